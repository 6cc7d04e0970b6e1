// What a user waits for in the main window: a keystroke in a wing's box until
// the wing tab is redrawn, the whole-aircraft preparation with all its views,
// "Calculate" on about 1200 panels with and without the solve's countdown, and
// on the 2958 panels of the largest bench aircraft; "Open" of a design with a
// long parts list and a keystroke in the balance window's table.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "files/csv_table.h"
#include "support/window_controls.h"
#include "ui/tform1.h"

namespace kalvesta {
namespace {

using testing_support::Control;
using testing_support::PositionXBox;
using testing_support::PositionZBox;
using testing_support::WingBox;
using testing_support::WingCountButton;

// Lets the window paint what the last change made dirty, as the event loop
// would before the next keystroke.
void FinishRedraw() {
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

// The start-up window, shown, on Wing-1's tab.
struct ShownWindow {
    ShownWindow() {
        form.show();
        Control<QTabWidget>(form, "PageControl1")
            ->setCurrentWidget(Control<QWidget>(form, "TabSheet1"));
        FinishRedraw();
    }
    bool on_screen() const {
        return form.windowHandle() != nullptr && form.windowHandle()->isExposed();
    }
    TForm1 form;
};

// The main window made, shown and painted: the part of the start that is ours
// (the rest is loading the program and the toolkit).
void BM_StartMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        ShownWindow window;
        benchmark::DoNotOptimize(window.on_screen());
    }
}
BENCHMARK(BM_StartMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// One keystroke in Wing-1's first span box, alternately typing a digit and
// deleting it: the planform computation, its five labels and the drawing.
void BM_KeystrokeOnWingTab(benchmark::State& state) {
    ShownWindow window;
    QLineEdit* const span = WingBox(window.form, 1, SpanBox(1));
    span->setFocus();
    QTest::keyClick(span, Qt::Key_End);
    state.counters["exposed"] = window.on_screen() ? 1 : 0;
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(span, typed ? Qt::Key_Backspace : Qt::Key_5);
        typed = !typed;
        FinishRedraw();
    }
}
BENCHMARK(BM_KeystrokeOnWingTab)->Unit(benchmark::kMillisecond)->UseRealTime();

// Calc: all three wings, the positions, the top view and the 3-D view.
void BM_CalcWithAllViews(benchmark::State& state) {
    ShownWindow window;
    Control<QTabWidget>(window.form, "PageControl1")
        ->setCurrentWidget(Control<QWidget>(window.form, "TabSheet5"));
    FinishRedraw();
    for (auto _ : state) {
        window.form.RecomputeAircraft();
        FinishRedraw();
    }
}
BENCHMARK(BM_CalcWithAllViews)->Unit(benchmark::kMillisecond)->UseRealTime();

// Passes everything on to the window's observer, the countdown only when asked
// for, and counts the counts that reached Label24.
class CountdownSwitch : public PipelineObserver {
public:
    CountdownSwitch(PipelineObserver& window, const QLabel& label, bool countdown)
        : window_(window), label_(label), countdown_(countdown) {}
    void GridCounted() override { window_.GridCounted(); }
    void LatticeReady() override { window_.LatticeReady(); }
    void SolveProgress(int remaining) override {
        if (countdown_) {
            const QString before = label_.text();
            window_.SolveProgress(remaining);
            shown += label_.text() != before ? 1 : 0;
        }
    }
    int shown = 0;

private:
    PipelineObserver& window_;
    const QLabel& label_;
    bool countdown_;
};

// "Calculate" with three copies of the start-up main wing (1218 panels), the
// countdown in Label24 shown (argument 1) or left out (argument 0).
void BM_CalculateThreeEqualWings(benchmark::State& state) {
    ShownWindow window;
    TForm1& form = window.form;
    WingCountButton(form, 3)->click();
    for (int wing = 2; wing <= 3; ++wing) {
        for (int box = 0; box < kWingBoxCount; ++box) {
            WingBox(form, wing, box)->setText(WingBox(form, 1, box)->text());
        }
    }
    PositionXBox(form, 2)->setText("800");
    PositionZBox(form, 2)->setText("80");
    PositionXBox(form, 3)->setText("-600");
    PositionZBox(form, 3)->setText("30");
    Control<QTabWidget>(form, "PageControl1")
        ->setCurrentWidget(Control<QWidget>(form, "TabSheet5"));
    int shown = 0;
    const bool countdown = state.range(0) != 0;
    form.SetPipelineRunner(
        [&](Aircraft& aircraft, AnalysisData& data, PipelineObserver& window_observer) {
            CountdownSwitch observer(window_observer, *Control<QLabel>(form, "Label24"), countdown);
            const PipelineOutcome outcome = RunPipeline(aircraft, data, observer);
            shown += observer.shown;
            return outcome;
        });
    FinishRedraw();
    for (auto _ : state) {
        form.OnCalculate();  // the button itself stays disabled after a calculation
        FinishRedraw();
    }
    state.counters["panels"] = form.analysis().lattice.panel_count;
    state.counters["counts_shown"] = benchmark::Counter(shown, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CalculateThreeEqualWings)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("countdown")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// "Calculate" on the three large surfaces of bench/data (2958 panels), from the
// click until the results are drawn on the top view.
void BM_CalculateLargeSurfaces(benchmark::State& state) {
    ShownWindow window;
    TForm1& form = window.form;
    form.OpenFile(QStringLiteral(KALVESTA_BENCH_DATA "/three_large_surfaces.da4"));
    Control<QTabWidget>(form, "PageControl1")
        ->setCurrentWidget(Control<QWidget>(form, "TabSheet5"));
    FinishRedraw();
    for (auto _ : state) {
        form.OnCalculate();
        FinishRedraw();
    }
    state.counters["panels"] = form.analysis().lattice.panel_count;
}
BENCHMARK(BM_CalculateLargeSurfaces)->Unit(benchmark::kMillisecond)->UseRealTime();

// One count of the countdown on the screen: the label's text and its repaint.
void BM_CountdownRepaint(benchmark::State& state) {
    ShownWindow window;
    Control<QTabWidget>(window.form, "PageControl1")
        ->setCurrentWidget(Control<QWidget>(window.form, "TabSheet5"));
    FinishRedraw();
    QLabel* const label = Control<QLabel>(window.form, "Label24");
    label->show();
    if (!label->isVisible()) {
        state.SkipWithError("Label24 is not on the screen");
        return;
    }
    int count = 0;
    for (auto _ : state) {
        label->setText(QString::number(++count % 1000));
        label->repaint();
    }
}
BENCHMARK(BM_CountdownRepaint)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A design with `rows` parts in its file, in a temporary folder: the start-up
// aircraft and servos of 9 g spread along the axis.
struct DesignWithParts {
    explicit DesignWithParts(int rows) {
        QFile design(design_path);
        design.open(QIODevice::WriteOnly);
        for (int line = 0; line < 53; ++line) {
            design.write(line == 0 ? "   2\r\n" : "   0\r\n");
        }
        design.write(QStringLiteral("[parts] %1\r\npart,mass_g,x_mm\r\n").arg(rows).toUtf8());
        for (int i = 0; i < rows; ++i) {
            design.write(QStringLiteral("servo %1,9,%2\r\n").arg(i).arg(i % 900 - 100).toUtf8());
        }
    }
    QTemporaryDir folder;
    QString design_path = folder.filePath("plane.da4");
};

// "Open" of a design with as many parts as a list may hold while the balance window
// is open: the file read and the table filled, after a calculation.
void BM_OpenDesignWithManyParts(benchmark::State& state) {
    const DesignWithParts design(static_cast<int>(state.range(0)));
    ShownWindow window;
    Control<QPushButton>(window.form, "Button4")->click();
    Control<QAction>(window.form, "Balance1")->trigger();
    FinishRedraw();
    for (auto _ : state) {
        window.form.OpenFile(design.design_path);
        FinishRedraw();
    }
}
BENCHMARK(BM_OpenDesignWithManyParts)
    ->Arg(1000)
    ->Arg(kMaxCsvRows)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A keystroke in a part's mass in the balance window, after a calculation: the
// figures and the top view's marks follow it.
void BM_KeystrokeInPartsTable(benchmark::State& state) {
    const DesignWithParts design(static_cast<int>(state.range(0)));
    ShownWindow window;
    window.form.OpenFile(design.design_path);
    Control<QPushButton>(window.form, "Button4")->click();
    Control<QAction>(window.form, "Balance1")->trigger();
    auto* table = Control<QTableWidget>(window.form, "PartsTable");
    table->editItem(table->item(0, 1));
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    QTest::keyClick(editor, Qt::Key_End);
    FinishRedraw();
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(editor, typed ? Qt::Key_Backspace : Qt::Key_5);
        typed = !typed;
        FinishRedraw();
    }
}
BENCHMARK(BM_KeystrokeInPartsTable)
    ->Arg(1000)
    ->Arg(kMaxCsvRows)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kalvesta
