// The "Aircraft" tab: its layout, its views of the aircraft and of the results,
// the stability choice and "Print".
#include "ui/aircraft_tab_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "analysis/calculation.h"
#include "analysis/stability.h"
#include "model/number_format.h"
#include "model/text_to_int.h"
#include "print/tform3.h"
#include "ui/image_control.h"
#include "ui/window_language.h"
#include "ui/window_layout.h"
#include "views/position_picture.h"
#include "views/result_top_view.h"
#include "views/stability_view.h"
#include "views/summary_page.h"
#include "views/top_view.h"

namespace kalvesta {

AircraftTabPage::AircraftTabPage(Aircraft& aircraft, AnalysisData& analysis,
                                 WingSelectionSource selection, const WindowLanguage& language,
                                 QTabWidget& tabs)
    : aircraft_(aircraft),
      analysis_(analysis),
      selection_(std::move(selection)),
      language_(language),
      tabs_(tabs) {
    setObjectName("TabSheet5");
    // On its tab before anything is laid out on it: the controls take the size of
    // their captions in the window's font.
    tabs.addTab(this, language.Text(TextId::kAircraftTabStartCaption));
    Build();
    Connect();
}

AircraftTabPage::~AircraftTabPage() = default;

void AircraftTabPage::Build() {
    BuildPositions();
    top_view_ = new ImageControl("Image2", QRect(200, 0, 616, 321), this);
    view3d_ = new View3DPanel(this, aircraft_, view_mapping_, selection_);
    BuildResultControls();
    FitCaptions();
}

void AircraftTabPage::BuildPositions() {
    positioning_caption_ =
        MakeLabel(this, "Label23", language_.Text(TextId::kAircraftTabPositioning), {8, 2});
    const std::array<const char*, 4> picture_names{"", "Image5", "Image55", "Image555"};
    const std::array<QRect, 4> picture_rects{QRect(), QRect(8, 16, 172, 84), QRect(8, 104, 172, 85),
                                             QRect(8, 192, 172, 84)};
    const std::array<const char*, 4> x_names{"", "Edit_x1", "Edit_x2", "Edit_x3"};
    const std::array<const char*, 4> z_names{"", "Edit_z1", "Edit_z2", "Edit_z3"};
    const std::array<int, 4> rows{0, 32, 120, 208};
    const AircraftInputs defaults = DefaultAircraftInputs();
    for (size_t w = 1; w <= kMaxWings; ++w) {
        position_pictures_[w] = new ImageControl(picture_names[w], picture_rects[w], this);
        position_x_boxes_[w] = MakeEdit(this, x_names[w], QRect(40, rows[w], 41, 24),
                                        QString::number(defaults.wing_x_mm[w]));
        position_z_boxes_[w] = MakeEdit(this, z_names[w], QRect(88, rows[w] + 24, 41, 24),
                                        QString::number(defaults.wing_z_mm[w]));
    }
    position_pictures_[3]->hide();
    position_x_boxes_[3]->hide();
    position_z_boxes_[3]->hide();
}

void AircraftTabPage::BuildResultControls() {
    automatic_margin_button_ = MakeRadio(
        this, "RadioButton15", language_.Text(TextId::kAircraftTabAutomaticMargin), {0, 280});
    automatic_margin_button_->resize(193, 17);
    automatic_margin_button_->setChecked(true);
    manual_margin_button_ = MakeRadio(this, "RadioButton16",
                                      language_.Text(TextId::kAircraftTabManualMargin), {0, 304});
    manual_margin_button_->resize(193, 17);
    margin_caption_ =
        MakeLabel(this, "Label22", language_.Text(TextId::kAircraftTabDesiredStability), {0, 328});
    margin_caption_->hide();
    margin_box_ = new QLineEdit("7.5", this);
    margin_box_->setObjectName("Edit31");
    margin_box_->setGeometry(64, 344, 41, 24);
    margin_box_->hide();
    margin_unit_ = MakeLabel(this, "Label21", "%", {112, 348});
    margin_unit_->hide();

    calculate_button_ = new QPushButton(language_.Text(TextId::kAircraftTabCalculate), this);
    calculate_button_->setObjectName("Button4");
    calculate_button_->setGeometry(40, 384, 97, 33);
    running_label_ =
        MakeLabel(this, "Label_w", language_.Text(TextId::kAircraftTabRunning), {8, 384});
    // Wider than the layout's 137 pixels, as wide as its caption: the free room
    // before ScrollBar1 holds either language's text, which 137 pixels do not.
    SetFont(running_label_, 15, kGreenFont);
    running_label_->resize(running_label_->sizeHint().width(), 16);
    running_label_->hide();
    countdown_label_ = MakeLabel(this, "Label24", "", {64, 400});
    SetFont(countdown_label_, 15, kGreenFont);
    countdown_label_->resize(80, 18);
    countdown_label_->hide();
    print_button_ = new QPushButton(language_.Text(TextId::kAircraftTabPrint), this);
    print_button_->setObjectName("Button6");
    print_button_->setGeometry(56, 424, 65, 25);
    print_button_->hide();

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("Memo1");
    memo_->setGeometry(0, 456, 177, 73);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetFont(memo_, 12, kRedFont);

    // The printed page is composed off screen at its own resolution.
    summary_page_ = new ImageControl("Image_P", QRect(64, 0, 800, 1220), this);
    summary_page_->hide();
}

void AircraftTabPage::Connect() {
    for (size_t w = 1; w <= kMaxWings; ++w) {
        connect(position_x_boxes_[w], &QLineEdit::textChanged, this,
                &AircraftTabPage::PositionsChanged);
        connect(position_z_boxes_[w], &QLineEdit::textChanged, this,
                &AircraftTabPage::PositionsChanged);
        connect(position_x_boxes_[w], &QLineEdit::returnPressed, this,
                &AircraftTabPage::CalculateIfEnabled);
        connect(position_z_boxes_[w], &QLineEdit::returnPressed, this,
                &AircraftTabPage::CalculateIfEnabled);
    }
    connect(margin_box_, &QLineEdit::returnPressed, this, &AircraftTabPage::CalculateIfEnabled);
    connect(calculate_button_, &QPushButton::clicked, this, &AircraftTabPage::CalculateClicked);
    connect(automatic_margin_button_, &QRadioButton::clicked, this,
            &AircraftTabPage::OnAutomaticMargin);
    connect(manual_margin_button_, &QRadioButton::clicked, this, &AircraftTabPage::OnManualMargin);
    connect(margin_box_, &QLineEdit::textChanged, this, &AircraftTabPage::ShowStability);
    connect(print_button_, &QPushButton::clicked, this, &AircraftTabPage::Print);
    connect(&language_, &WindowLanguage::Changed, this, &AircraftTabPage::ApplyLanguage);
}

void AircraftTabPage::ApplyLanguage() {
    tabs_.setTabText(tabs_.indexOf(this), language_.Text(TextId::kAircraftTabCaption));
    SetLabelText(positioning_caption_, language_.Text(TextId::kAircraftTabPositioning));
    SetLabelText(margin_caption_, language_.Text(TextId::kAircraftTabDesiredStability));
    SetLabelText(running_label_, language_.Text(TextId::kAircraftTabRunning));
    calculate_button_->setText(language_.Text(TextId::kAircraftTabCalculate));
    print_button_->setText(language_.Text(TextId::kAircraftTabPrint));
    automatic_margin_button_->setText(language_.Text(TextId::kAircraftTabAutomaticMargin));
    manual_margin_button_->setText(language_.Text(TextId::kAircraftTabManualMargin));
    FitCaptions();
    TitlePositionPictures();
    ShowStability();
}

void AircraftTabPage::ReadPositions(AircraftInputs& inputs) const {
    for (size_t w = 1; w <= kMaxWings; ++w) {
        inputs.wing_x_mm[w] = TextToInt32(position_x_boxes_[w]->text().toStdString());
        inputs.wing_z_mm[w] = TextToInt32(position_z_boxes_[w]->text().toStdString());
    }
}

void AircraftTabPage::ShowPositions(const AircraftInputs& inputs) {
    for (size_t w = 1; w <= kMaxWings; ++w) {
        const QSignalBlocker block_x(position_x_boxes_[w]);
        const QSignalBlocker block_z(position_z_boxes_[w]);
        position_x_boxes_[w]->setText(QString::fromStdString(FormatInt(inputs.wing_x_mm[w], 4)));
        position_z_boxes_[w]->setText(QString::fromStdString(FormatInt(inputs.wing_z_mm[w], 4)));
    }
}

void AircraftTabPage::ShowPositionsOf(int wing_count) {
    for (size_t w = 2; w <= kMaxWings; ++w) {
        const bool shown = static_cast<int>(w) <= wing_count;
        position_pictures_[w]->setVisible(shown);
        position_x_boxes_[w]->setVisible(shown);
        position_z_boxes_[w]->setVisible(shown);
    }
}

void AircraftTabPage::ShowAircraftViews() {
    calculate_button_->setEnabled(true);
    Canvas& top_view = top_view_->canvas();
    ClearTopView(top_view);
    DrawTopView(top_view, aircraft_, selection_(), view_mapping_);
    top_view_->Refresh();
    view3d_->Redraw();
    TitlePositionPictures();
    print_button_->hide();
    analysis_.memo.Reset();
    ShowMemo();
    measured_cg_mm_.reset();
    emit ResultsShown();
}

// 193 pixels wide on the layout; the room reaches the top view.
void AircraftTabPage::FitCaptions() {
    FitButtonCaption(*automatic_margin_button_, 193, top_view_->x());
    FitButtonCaption(*manual_margin_button_, 193, top_view_->x());
}

void AircraftTabPage::TitlePositionPictures() {
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        ImageControl* picture = position_pictures_[static_cast<size_t>(wing)];
        // The picture is redrawn under its title so that a shorter title leaves no rest.
        DrawPositionPicture(picture->canvas(), wing);
        DrawPositionTitle(picture->canvas(), wing, language_.texts());
        picture->Refresh();
    }
}

void AircraftTabPage::ShowMemo() {
    memo_->setPlainText(QString::fromStdString(analysis_.memo.Text(language_.texts())));
    memo_->setVisible(analysis_.memo.visible);
}

void AircraftTabPage::ShowStability() {
    if (!aircraft_.results_valid) {
        return;
    }
    StabilityForMargin(aircraft_, MarginText(), analysis_.results);
    DrawResults();
}

void AircraftTabPage::ShowStabilityWithCentreOfGravity(double x_cg_mm) {
    measured_cg_mm_ = x_cg_mm;
    ShowStability();
}

bool AircraftTabPage::ManualMargin() const {
    return manual_margin_button_->isChecked();
}

void AircraftTabPage::DrawResults() {
    Canvas& top_view = top_view_->canvas();
    DrawResultTopView(top_view, aircraft_, analysis_.lattice, analysis_.results, selection_(),
                      ManualMargin(), language_.texts(), view_mapping_);
    std::vector<CentreOfGravityMark> marks;
    if (marks_source_) {
        marks = marks_source_(ManualMargin());
    }
    if (measured_cg_mm_) {
        marks.push_back({CentreOfGravityMark::Kind::kMeasured, *measured_cg_mm_,
                         StaticMarginPercent(analysis_.results, *measured_cg_mm_)});
    }
    DrawCentreOfGravityMarks(top_view, marks, language_.texts(), view_mapping_);
    top_view_->Refresh();
    emit ResultsShown();
}

void AircraftTabPage::OnAutomaticMargin() {
    margin_unit_->hide();
    margin_caption_->hide();
    margin_box_->hide();
    ShowStability();
}

void AircraftTabPage::OnManualMargin() {
    margin_unit_->show();
    margin_caption_->show();
    margin_box_->show();
    ShowStability();
}

void AircraftTabPage::ShowCalculationRunning() {
    running_label_->show();
    calculate_button_->hide();
    memo_->clear();
    memo_->hide();
}

CalculationProgress AircraftTabPage::Progress(std::function<void()> show_prepared_aircraft) {
    return CalculationProgress(std::move(show_prepared_aircraft), *window(), *top_view_,
                               *countdown_label_, analysis_, aircraft_, view_mapping_);
}

void AircraftTabPage::ShowCalculationEnd(bool has_results) {
    countdown_label_->hide();
    if (has_results) {
        DrawResults();
        print_button_->show();
    }
    ShowMemo();
    running_label_->hide();
    calculate_button_->show();
    calculate_button_->setEnabled(false);
}

std::string AircraftTabPage::MarginText() const {
    return margin_box_->text().toStdString();
}

void AircraftTabPage::CalculateIfEnabled() {
    if (calculate_button_->isEnabled()) {
        emit CalculateClicked();
    }
}

void AircraftTabPage::Print() {
    DrawSummaryPage(summary_page_->canvas(), aircraft_, analysis_.results, top_view_->canvas(),
                    view3d_->picture().canvas(), language_.texts());
    summary_page_->Refresh();
    printer_window()->ShowModalFor(summary_page_->image(), language_.texts());
}

TForm3* AircraftTabPage::printer_window() {
    if (!printer_window_) {
        printer_window_ = std::make_unique<TForm3>(this);
    }
    return printer_window_.get();
}

}  // namespace kalvesta
