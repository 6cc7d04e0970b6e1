// The main window's handlers: the planform computations, the whole-aircraft
// preparation and the configuration handlers that keep controls, model and views
// in step on every change.
#include "ui/tform1.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include "model/planform.h"
#include "model/text_to_int.h"
#include "ui/image_control.h"
#include "views/planform_view.h"

namespace kalvesta {
namespace {

int32_t BoxValue(const QLineEdit* box) { return TextToInt32(box->text().toStdString()); }

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    BuildWindow();
    ConnectHandlers();
    Create1();
}

TForm1::~TForm1() = default;

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
    connect(wing11, &QAction::triggered, this, [this] { PageControl1->setCurrentWidget(Tab(1).page); });
    connect(wing21, &QAction::triggered, this, [this] { PageControl1->setCurrentWidget(Tab(2).page); });
    connect(wing31, &QAction::triggered, this, [this] { PageControl1->setCurrentWidget(Tab(3).page); });
    connect(aircraft1, &QAction::triggered, this, [this] { PageControl1->setCurrentWidget(TabSheet5); });
    connect(Exit1, &QAction::triggered, this, &TForm1::close);
}

void TForm1::Create1() {
    aircraft_.wing_count = 2;
    aircraft_.calc_wing_count = 2;
    aircraft_.current_file_name = "Unknown.da4";
    Calc();
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
    WingTab& tab = Tab(wing);
    const int trapezoids = CheckedTrapezoids(wing);
    ComputeWing(aircraft_, wing, ReadWingInputs(wing), trapezoids);
    const PlanformLabels labels = FormatPlanformLabels(aircraft_, wing);
    const std::array<const std::string*, 5> texts{&labels.b, &labels.s, &labels.lm, &labels.r25,
                                                  &labels.lam};
    for (size_t row = 0; row < texts.size(); ++row) {
        tab.values[row]->setText(QString::fromStdString(*texts[row]));
    }
    DrawPlanform(tab.planform->canvas(), aircraft_, wing, trapezoids);
    tab.planform->Refresh();
}

void TForm1::Calc() {
    aircraft_.results_valid = false;
    Button4->setEnabled(true);
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        Calc_W(wing);
    }
    for (size_t w = 1; w <= kMaxWings; ++w) {
        aircraft_.wing_x_mm[w] = BoxValue(position_x_boxes[w]);
        aircraft_.wing_z_mm[w] = BoxValue(position_z_boxes[w]);
    }
    Canvas& top_view = Image2->canvas();
    top_view.brush = colors::kInfoBackground;
    top_view.pen.color = colors::kGrey;
    top_view.Rectangle(0, 0, top_view.Width(), top_view.Height());
    Image2->Refresh();
    Button6->hide();
    Memo1->setPlainText(aircraft_.english_captions ? "Error: " : "Fehler: ");
    Memo1->hide();
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

}  // namespace kalvesta
