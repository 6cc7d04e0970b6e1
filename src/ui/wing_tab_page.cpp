// A wing tab: its layout, its planform computation and its trapezoid-count handler.
#include "ui/wing_tab_page.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/design_boxes.h"
#include "ui/image_control.h"
#include "ui/value_label.h"
#include "ui/window_language.h"
#include "ui/window_layout.h"
#include "views/dimension_sketch.h"
#include "views/planform_view.h"

namespace kalvesta {
namespace {

// Component names and positions of the wing tabs, per wing 1..3.
struct WingTabNames {
    const char* page;
    TextId caption;  // at start; the language's captions differ in their blanks
    const char* panel;
    std::array<const char*, kMaxTrapezoids> trapezoid_buttons;
    int second_button_x;
    std::array<const char*, kWingBoxCount> boxes;
    const char* sketch;
    const char* planform;
    std::array<const char*, 5> descriptions;
    std::array<const char*, 5> values;
    int span2_x;
    int span3_x;
};

constexpr std::array<WingTabNames, kMaxWings + 1> kWingTabNames{{
    {},
    {"TabSheet1",
     TextId::kWingTabStartCaption1,
     "Panel2",
     {"RadioButton4", "RadioButton5", "RadioButton6", "RadioButton41t"},
     112,
     {"Edit01", "Edit4", "Edit1", "Edit5", "Edit8", "Edit2", "Edit6", "Edit9", "Edit3", "Edit7",
      "Edit10", "Edit14y", "Edit14x", "Edit14xx"},
     "Image_W",
     "Image1",
     {"Label1", "Label2", "Label3", "Label4", "Label5"},
     {"Label_b1", "Label_s1", "Label_lm1", "Label_r251", "Label_lam1"},
     400,
     568},
    {"TabSheet2",
     TextId::kWingTabStartCaption2,
     "Panel3",
     {"RadioButton7", "RadioButton8", "RadioButton9", "RadioButton42t"},
     104,
     {"Edit02", "Edit14", "Edit11", "Edit15", "Edit18", "Edit12", "Edit16", "Edit19", "Edit13",
      "Edit17", "Edit20", "Edit24y", "Edit24x", "Edit24xx"},
     "Image_W2",
     "Image11",
     {"Label6", "Label7", "Label8", "Label9", "Label10"},
     {"Label_b2", "Label_s2", "Label_lm2", "Label_r252", "Label_lam2"},
     403,
     568},
    {"TabSheet3",
     TextId::kWingTabStartCaption3,
     "Panel4",
     {"RadioButton10", "RadioButton11", "RadioButton12", "RadioButton43t"},
     104,
     {"Edit03", "Edit24", "Edit21", "Edit25", "Edit28", "Edit22", "Edit26", "Edit29", "Edit23",
      "Edit27", "Edit30", "Edit34y", "Edit34x", "Edit34xx"},
     "Image_W3",
     "Image111",
     {"Label16", "Label17", "Label18", "Label19", "Label20"},
     {"Label_b3", "Label_s3", "Label_lm3", "Label_r253", "Label_lam3"},
     408,
     560},
}};

constexpr std::array<TextId, kMaxTrapezoids> kTrapezoidCaptions{
    TextId::kWingTabTrapezoids1, TextId::kWingTabTrapezoids2, TextId::kWingTabTrapezoids3,
    TextId::kWingTabTrapezoids4};

// b, s, lm, r25, lam.
constexpr std::array<TextId, 5> kValueDescriptions{
    TextId::kWingTabSpan, TextId::kWingTabArea, TextId::kWingTabMeanChord,
    TextId::kWingTabGeometricCenter, TextId::kWingTabAspectRatio};

}  // namespace

WingTabPage::WingTabPage(int wing, Workbench& bench, const WindowLanguage& language,
                         QTabWidget& tabs)
    : wing_(wing), bench_(bench), language_(language), tabs_(tabs) {
    const WingTabNames& names = kWingTabNames[static_cast<size_t>(wing_)];
    setObjectName(names.page);
    // On its tab before anything is laid out on it: the controls take the size of
    // their captions in the window's font.
    tabs.addTab(this, language.Text(names.caption));
    Build();
    connect(&language, &WindowLanguage::Changed, this, &WingTabPage::ApplyLanguage);
    Design& design = bench.design();
    for (int i = 0; i < kWingBoxCount; ++i) {
        TypeIntoDesign(box(i), design,
                       [&design, wing, i](int32_t value) { design.SetWingBox(wing, i, value); });
    }
    for (int t = 1; t <= kMaxTrapezoids; ++t) {
        connect(trapezoid_button(t), &QRadioButton::toggled, this,
                [&design, wing, t](bool checked) {
                    if (checked) {
                        design.SetTrapezoids(wing, t);
                    }
                });
    }
}

void WingTabPage::Build() {
    const WingTabNames& names = kWingTabNames[static_cast<size_t>(wing_)];
    trapezoid_panel_ = MakePanel(this, names.panel, QRect(0, 0, 425, 33));
    SetFont(trapezoid_panel_, 11, kBlueFont);
    for (size_t t = 0; t < kMaxTrapezoids; ++t) {
        trapezoid_buttons_[t] = MakeRadio(trapezoid_panel_, names.trapezoid_buttons[t],
                                          language_.Text(kTrapezoidCaptions[t]), {8, 8});
    }
    trapezoid_buttons_[0]->setChecked(true);
    // The buttons take their places in the row.
    FitCaptions();

    dimension_sketch_ = new ImageControl(names.sketch, QRect(16, 40, 750, 200), this);
    planform_picture_ = new ImageControl(names.planform, QRect(280, 240, 536, 289), this);

    // Box positions (left, top) in reading order; the boxes sit on their dimension arrows.
    const std::array<QPoint, kWingBoxCount> positions{
        QPoint(48, 64),   QPoint(96, 136),  QPoint(208, 64),
        QPoint(304, 152), QPoint(304, 77),  QPoint(names.span2_x, 64),
        QPoint(504, 160), QPoint(504, 80),  QPoint(names.span3_x, 64),
        QPoint(608, 176), QPoint(608, 104), QPoint(648, 64),
        QPoint(680, 200), QPoint(680, 112)};
    const WingInputs& start = bench_.design().inputs().wings[static_cast<size_t>(wing_)];
    for (size_t i = 0; i < kWingBoxCount; ++i) {
        boxes_[i] = MakeEdit(this, names.boxes[i], QRect(positions[i], QSize(49, 21)),
                             QString::number(InputAt(start, static_cast<int>(i))));
        // Only the root boxes and those of trapezoid 1 show at start.
        boxes_[i]->setVisible(i <= static_cast<size_t>(LeadingEdgeBox(1)));
    }

    const std::array<const char*, 5> placeholders{"b:", "s:", "lm:", "r25:", "lam:"};
    for (size_t row = 0; row < 5; ++row) {
        const int y = 336 + 16 * static_cast<int>(row);
        value_descriptions_[row] = MakeLabel(this, names.descriptions[row],
                                             language_.Text(kValueDescriptions[row]), {38, y});
        value_labels_[row] = MakeLabel(this, names.values[row], placeholders[row], {208, y});
        SetFont(value_descriptions_[row], 12, kBlueFont);
        SetFont(value_labels_[row], 12, kBlueFont);
        value_descriptions_[row]->adjustSize();
        // The value runs up to the planform picture and no further.
        value_labels_[row]->resize(planform_picture_->x() - value_labels_[row]->x(),
                                   value_labels_[row]->sizeHint().height());
    }
}

void WingTabPage::Follow(const WorkbenchChange& change) {
    const DesignChange& design = change.design;
    if (design.replaced || design.wing[static_cast<size_t>(wing_)]) {
        ShowInputs(design.opened);
    }
    if (change.prepared || design.wing[static_cast<size_t>(wing_)]) {
        ShowPlanform();
    }
}

void WingTabPage::ShowPlanform() {
    const Aircraft& aircraft = bench_.aircraft();
    const PlanformLabels labels = FormatPlanformLabels(aircraft, wing_);
    const std::array<const std::string*, 5> texts{&labels.b, &labels.s, &labels.lm, &labels.r25,
                                                  &labels.lam};
    for (size_t row = 0; row < texts.size(); ++row) {
        ShowValueText(value_labels_[row], QString::fromStdString(*texts[row]));
    }
    if (std::exchange(loaded_, false)) {
        SetPlanformEndPen(planform_picture_->canvas(), aircraft, wing_, shown_trapezoids_);
    }
    DrawPlanform(planform_picture_->canvas(), aircraft, wing_, shown_trapezoids_);
    planform_picture_->Refresh();
}

void WingTabPage::FitCaptions() {
    const int second_x = kWingTabNames[static_cast<size_t>(wing_)].second_button_x;
    FitButtonRow(*trapezoid_panel_, {trapezoid_buttons_.begin(), trapezoid_buttons_.end()},
                 {8, second_x, 214, 318, 425}, false);
}

void WingTabPage::ShowDimensionSketch() {
    DrawDimensionSketch(dimension_sketch_->canvas(), wing_, shown_trapezoids_, language_.texts());
    dimension_sketch_->Refresh();
}

void WingTabPage::ApplyLanguage() {
    tabs_.setTabText(tabs_.indexOf(this),
                     language_.Text(TextId::kWingTabCaption, {{"wing", std::to_string(wing_)}}));
    for (size_t t = 0; t < kMaxTrapezoids; ++t) {
        trapezoid_buttons_[t]->setText(language_.Text(kTrapezoidCaptions[t]));
    }
    for (size_t row = 0; row < value_descriptions_.size(); ++row) {
        SetLabelText(value_descriptions_[row], language_.Text(kValueDescriptions[row]));
    }
    FitCaptions();
    ShowDimensionSketch();
}

void WingTabPage::ShowTrapezoidCount(int trapezoids) {
    shown_trapezoids_ = trapezoids;
    ShowDimensionSketch();
    for (int t = 2; t <= kMaxTrapezoids; ++t) {
        const bool shown = t <= trapezoids;
        box(SpanBox(t))->setVisible(shown);
        box(ChordBox(t))->setVisible(shown);
        box(LeadingEdgeBox(t))->setVisible(shown);
    }
}

void WingTabPage::ShowInputs(bool from_file) {
    const auto w = static_cast<size_t>(wing_);
    const int trapezoids = bench_.design().inputs().trapezoids[w];
    if (!trapezoid_button(trapezoids)->isChecked()) {
        std::vector<std::unique_ptr<QSignalBlocker>> blocked;
        for (QRadioButton* button : trapezoid_buttons_) {
            blocked.push_back(std::make_unique<QSignalBlocker>(button));
        }
        trapezoid_button(trapezoids)->setChecked(true);
    }
    if (trapezoids != shown_trapezoids_) {
        ShowTrapezoidCount(trapezoids);
    }
    loaded_ = loaded_ || from_file;
    const WingInputs& inputs = bench_.design().inputs().wings[w];
    for (int i = 0; i < kWingBoxCount; ++i) {
        ShowBoxValue(box(i), InputAt(inputs, i), from_file);
    }
}

}  // namespace kalvesta
