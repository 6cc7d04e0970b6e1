// The main window's handlers: the planform values and pictures, the views of the
// whole-aircraft preparation, and the configuration handlers that keep controls,
// model and views in step on every change.
#include "ui/tform1.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

#include "files/language_file.h"
#include "model/planform.h"
#include "model/text_to_int.h"
#include "print/tform3.h"
#include "ui/beeper.h"
#include "ui/captions.h"
#include "ui/file_dialogs.h"
#include "ui/image_control.h"
#include "ui/tform2.h"
#include "ui/value_label.h"
#include "views/dimension_sketch.h"
#include "views/planform_view.h"
#include "views/position_picture.h"
#include "views/summary_page.h"
#include "views/top_view.h"
#include "views/view3d.h"

namespace kalvesta {
namespace {

int32_t BoxValue(const QLineEdit* box) {
    return TextToInt32(box->text().toStdString());
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent),
      analysis_(std::make_unique<AnalysisData>()),
      run_pipeline_(&RunPipeline),
      file_dialogs_(std::make_unique<QtFileDialogs>()),
      beeper_(std::make_unique<SystemBeeper>()) {
    BuildWindow();
    BuildExtraCommands();
    ConnectHandlers();
    Create1();
    info_window_ = std::make_unique<TForm2>();
    // The printer window is made when first needed: asking the print system for
    // its printers takes longer than everything else the window does at start.
}

TForm1::~TForm1() = default;

// The icons are made just after the window's first paint: the first icon of a
// program costs more than any other single step between the start and that
// paint (Qt sets up its icon and image readers), the program icon then decodes
// eight sizes, and the window is seen without them a frame earlier.
void TForm1::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (!icons_given_) {
        icons_given_ = true;
        QMetaObject::invokeMethod(this, &TForm1::GiveIcons, Qt::QueuedConnection);
    }
}

void TForm1::ConnectHandlers() {
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        WingTab& tab = Tab(wing);
        for (QLineEdit* box : tab.boxes) {
            connect(box, &QLineEdit::textChanged, this, [this, wing] { Calc_W(wing); });
        }
        for (int t = 1; t <= kMaxTrapezoids; ++t) {
            connect(tab.trapezoid_buttons[static_cast<size_t>(t - 1)], &QRadioButton::toggled, this,
                    [this, wing, t](bool checked) {
                        if (checked) {
                            TrapezoidCountClick(wing, t);
                        }
                    });
        }
    }
    for (int count = 1; count <= kMaxWings; ++count) {
        connect(wing_count_buttons[static_cast<size_t>(count)], &QRadioButton::toggled, this,
                [this, count](bool checked) {
                    if (checked) {
                        WingCountClick(count);
                    }
                });
    }
    for (size_t w = 1; w <= kMaxWings; ++w) {
        connect(position_x_boxes[w], &QLineEdit::textChanged, this, &TForm1::Calc);
        connect(position_z_boxes[w], &QLineEdit::textChanged, this, &TForm1::Calc);
    }
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
    connect(wing11, &QAction::triggered, this,
            [this] { PageControl1->setCurrentWidget(Tab(1).page); });
    connect(wing21, &QAction::triggered, this,
            [this] { PageControl1->setCurrentWidget(Tab(2).page); });
    connect(wing31, &QAction::triggered, this,
            [this] { PageControl1->setCurrentWidget(Tab(3).page); });
    connect(aircraft1, &QAction::triggered, this,
            [this] { PageControl1->setCurrentWidget(TabSheet5); });
    connect(Exit1, &QAction::triggered, this, &TForm1::close);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(RadioButton15, &QRadioButton::clicked, this, &TForm1::RadioButton15Click);
    connect(RadioButton16, &QRadioButton::clicked, this, &TForm1::RadioButton16Click);
    connect(Edit31, &QLineEdit::textChanged, this, &TForm1::STABIL);
    ConnectFileCommands();
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(german1, &QAction::triggered, this, &TForm1::german1Click);
    connect(Info1, &QAction::triggered, this, &TForm1::BitBtn1Click);
    ConnectView3D();
}

void TForm1::ConnectView3D() {
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int position) {
        if (view3d_controls_.SetScrollBar1(position)) {
            Redraw3D();
        }
    });
    connect(ScrollBar2, &QScrollBar::valueChanged, this, [this](int position) {
        if (view3d_controls_.SetScrollBar2(position)) {
            Redraw3D();
        }
    });
    connect(ScrollBar4, &QScrollBar::valueChanged, this, [this](int position) {
        if (view3d_controls_.SetScrollBar4(position, view_mapping_)) {
            Redraw3D();
        }
    });
    connect(Image3, &ImageControl::MouseDown, this,
            [this](Qt::MouseButton, int x, int y) { view3d_controls_.MouseDown(x, y); });
    connect(Image3, &ImageControl::MouseUp, this,
            [this](Qt::MouseButton, int x, int y) { view3d_controls_.MouseUp(x, y); });
    connect(Image3, &ImageControl::MouseMove, this, [this](Qt::MouseButtons buttons, int x, int y) {
        if (view3d_controls_.MouseMove(buttons & Qt::LeftButton, buttons & Qt::RightButton, x, y,
                                       view_mapping_)) {
            // The drag moved the bars: show their new positions without running
            // their handlers a second time.
            const QSignalBlocker block1(ScrollBar1);
            const QSignalBlocker block2(ScrollBar2);
            const QSignalBlocker block4(ScrollBar4);
            ScrollBar1->setValue(view3d_controls_.ScrollBar1().Position());
            ScrollBar2->setValue(view3d_controls_.ScrollBar2().Position());
            ScrollBar4->setValue(view3d_controls_.ScrollBar4().Position());
            Redraw3D();
        }
    });
}

void TForm1::Create1() {
    aircraft_.english_captions = true;
    // The window's fonts are given in pixels like its layout, so at any screen
    // resolution text and controls keep their proportions: both grow only with
    // the whole-number device pixel ratio the program entry chooses, and the
    // window needs no rescaling of its own.
    aircraft_.english_captions = ReadLanguageIsEnglish(kLanguageFileName);
    aircraft_.wing_count = 2;
    aircraft_.calc_wing_count = 2;
    aircraft_.current_file_name = "Unknown.da4";
    Calc();
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        DrawSketch(wing);
    }
    if (!aircraft_.english_captions) {
        russian();
    }
}

WingInputs TForm1::ReadWingInputs(int wing) const {
    const WingTab& tab = wing_tab(wing);
    WingInputs inputs;
    inputs.root_offset = BoxValue(tab.boxes[kRootOffsetBox]);
    inputs.root_chord = BoxValue(tab.boxes[kRootChordBox]);
    for (int t = 1; t <= kMaxTrapezoids; ++t) {
        const auto i = static_cast<size_t>(t - 1);
        inputs.span[i] = BoxValue(tab.boxes[static_cast<size_t>(SpanBox(t))]);
        inputs.chord[i] = BoxValue(tab.boxes[static_cast<size_t>(ChordBox(t))]);
        inputs.le_x[i] = BoxValue(tab.boxes[static_cast<size_t>(LeadingEdgeBox(t))]);
    }
    return inputs;
}

AircraftInputs TForm1::ReadAircraftInputs() const {
    AircraftInputs inputs;
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        const auto w = static_cast<size_t>(wing);
        inputs.wings[w] = ReadWingInputs(wing);
        inputs.trapezoids[w] = CheckedTrapezoids(wing);
        inputs.wing_x_mm[w] = BoxValue(position_x_boxes[w]);
        inputs.wing_z_mm[w] = BoxValue(position_z_boxes[w]);
    }
    inputs.wing_count = CheckedWingCount();
    return inputs;
}

int TForm1::CheckedTrapezoids(int wing) const {
    const WingTab& tab = wing_tab(wing);
    for (int t = kMaxTrapezoids; t >= 1; --t) {
        if (tab.trapezoid_buttons[static_cast<size_t>(t - 1)]->isChecked()) {
            return t;
        }
    }
    return 1;
}

int TForm1::CheckedWingCount() const {
    for (int count = 1; count <= kMaxWings; ++count) {
        if (wing_count_buttons[static_cast<size_t>(count)]->isChecked()) {
            return count;
        }
    }
    return aircraft_.wing_count;
}

void TForm1::Calc_W(int wing) {
    ComputeWing(aircraft_, wing, ReadWingInputs(wing), CheckedTrapezoids(wing));
    ShowPlanform(wing);
}

void TForm1::ShowPlanform(int wing) {
    WingTab& tab = Tab(wing);
    const PlanformLabels labels = FormatPlanformLabels(aircraft_, wing);
    const std::array<const std::string*, 5> texts{&labels.b, &labels.s, &labels.lm, &labels.r25,
                                                  &labels.lam};
    for (size_t row = 0; row < texts.size(); ++row) {
        ShowValueText(tab.values[row], QString::fromStdString(*texts[row]));
    }
    DrawPlanform(tab.planform->canvas(), aircraft_, wing, CheckedTrapezoids(wing));
    tab.planform->Refresh();
}

void TForm1::Calc() {
    PrepareAircraft(aircraft_, ReadAircraftInputs());
    Button4->setEnabled(true);
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        ShowPlanform(wing);
    }
    Canvas& top_view = Image2->canvas();
    ClearTopView(top_view);
    d_1d(top_view, aircraft_, SelectedWings(), view_mapping_);
    Image2->Refresh();
    Redraw3D();
    TitlePositionPictures();
    Button6->hide();
    analysis_->memo.Reset(aircraft_.english_captions);
    ShowMemo();
}

void TForm1::ShowMemo() {
    Memo1->setPlainText(QString::fromStdString(analysis_->memo.Text()));
    Memo1->setVisible(analysis_->memo.visible);
}

void TForm1::WingCountClick(int count) {
    aircraft_.wing_count = count;
    aircraft_.calc_wing_count = count;
    PageControl1->setTabVisible(PageControl1->indexOf(Tab(2).page), count >= 2);
    PageControl1->setTabVisible(PageControl1->indexOf(Tab(3).page), count >= 3);
    for (size_t w = 2; w <= kMaxWings; ++w) {
        const bool shown = static_cast<int>(w) <= count;
        position_pictures[w]->setVisible(shown);
        position_x_boxes[w]->setVisible(shown);
        position_z_boxes[w]->setVisible(shown);
    }
    wing21->setVisible(count >= 2);
    wing31->setVisible(count >= 3);
    Calc();
}

void TForm1::TrapezoidCountClick(int wing, int trapezoids) {
    WingTab& tab = Tab(wing);
    DrawSketch(wing);
    for (int t = 2; t <= kMaxTrapezoids; ++t) {
        const bool shown = t <= trapezoids;
        tab.boxes[static_cast<size_t>(SpanBox(t))]->setVisible(shown);
        tab.boxes[static_cast<size_t>(ChordBox(t))]->setVisible(shown);
        tab.boxes[static_cast<size_t>(LeadingEdgeBox(t))]->setVisible(shown);
    }
    Calc_W(wing);
}

void TForm1::PageControl1Change() {
    if (!aircraft_.results_valid) {
        Calc();
    }
}

WingSelection TForm1::SelectedWings() const {
    WingSelection selection;
    selection.wing_count = CheckedWingCount();
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        selection.trapezoids[static_cast<size_t>(wing)] = CheckedTrapezoids(wing);
    }
    return selection;
}

void TForm1::Redraw3D() {
    d_3d(Image3->canvas(), aircraft_, SelectedWings(), view3d_controls_, view_mapping_);
    Image3->Refresh();
}

void TForm1::DrawSketch(int wing) {
    WingTab& tab = Tab(wing);
    d_w(tab.sketch->canvas(), wing, CheckedTrapezoids(wing), aircraft_.english_captions);
    tab.sketch->Refresh();
}

void TForm1::TitlePositionPictures() {
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        ImageControl* picture = position_pictures[static_cast<size_t>(wing)];
        // The picture is redrawn under its title so that a shorter title leaves no rest.
        DrawPositionPicture(picture->canvas(), wing);
        DrawPositionTitle(picture->canvas(), wing, aircraft_.english_captions);
        picture->Refresh();
    }
}

void TForm1::ApplyLanguage(bool english_captions) {
    ApplyCaptions(this, english_captions);
    TitlePositionPictures();
    STABIL();
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        DrawSketch(wing);
    }
}

void TForm1::english() {
    ApplyLanguage(true);
}

void TForm1::russian() {
    ApplyLanguage(false);
}

void TForm1::german1Click() {
    aircraft_.english_captions = !aircraft_.english_captions;
    ApplyLanguage(aircraft_.english_captions);
    // A language file that cannot be written only means the next start is English.
    WriteLanguage(kLanguageFileName, aircraft_.english_captions);
}

void TForm1::Button6Click() {
    DrawSummaryPage(Image_P->canvas(), aircraft_, analysis_->results, Image2->canvas(),
                    Image3->canvas());
    Image_P->Refresh();
    printer_window()->ShowModalFor(Image_P->image(), aircraft_.english_captions);
}

TForm3* TForm1::printer_window() {
    if (!printer_window_) {
        printer_window_ = std::make_unique<TForm3>(this);
    }
    return printer_window_.get();
}

void TForm1::BitBtn1Click() {
    info_window_->BitBtn1Click(aircraft_.english_captions);
}

}  // namespace kalvesta
