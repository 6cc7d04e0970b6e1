// "Calculate" on the real window: results, running state, manual margin and an
// injected failure (refused aircraft are the hostile aircraft's test).
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <stdexcept>

#include "print/tform3.h"
#include "support/window_controls.h"
#include "ui/countdown_throttle.h"
#include "ui/image_control.h"
#include "ui/tform1.h"

namespace kalvesta {
namespace {

using testing_support::BeepCounter;
using testing_support::Control;
using testing_support::CountBeeps;

class CalculateTest : public ::testing::Test {
private:
    testing_support::InEmptyFolder folder_;
};

TEST_F(CalculateTest, DefaultAircraftGivesResultsAndIdlesWithCalculateDisabled) {
    TForm1 form;
    const BeepCounter& beeps = CountBeeps(form);
    const QImage before = Control<ImageControl>(form, "Image2")->image();
    Control<QPushButton>(form, "Button4")->click();
    EXPECT_TRUE(form.aircraft().results_valid);
    EXPECT_TRUE(Control<QPlainTextEdit>(form, "Memo1")->isHidden());
    EXPECT_FALSE(Control<QPushButton>(form, "Button6")->isHidden());
    EXPECT_FALSE(Control<QPushButton>(form, "Button4")->isHidden());
    EXPECT_FALSE(Control<QPushButton>(form, "Button4")->isEnabled());
    EXPECT_TRUE(Control<QLabel>(form, "Label_w")->isHidden());
    EXPECT_TRUE(Control<QLabel>(form, "Label24")->isHidden());
    EXPECT_EQ(beeps.count, 1);
    // The result lines and figures drawn there: the stability view's and the
    // analysis tests'.
    EXPECT_NE(Control<ImageControl>(form, "Image2")->image(), before);

    // Moving between tabs keeps the results; an edit invalidates them.
    Control<QAction>(form, "wing11")->trigger();
    Control<QAction>(form, "aircraft1")->trigger();
    EXPECT_TRUE(form.aircraft().results_valid);
    form.findChild<QLineEdit*>("Edit_x2")->setText("810");
    EXPECT_FALSE(form.aircraft().results_valid);
    EXPECT_TRUE(Control<QPushButton>(form, "Button4")->isEnabled());
    EXPECT_TRUE(Control<QPushButton>(form, "Button6")->isHidden());
}

TEST_F(CalculateTest, ManualMarginRedrawsOnlyAfterACalculation) {
    TForm1 form;
    Control<QRadioButton>(form, "RadioButton16")->click();
    EXPECT_FALSE(Control<QLineEdit>(form, "Edit31")->isHidden());
    const QImage untouched = Control<ImageControl>(form, "Image2")->image();
    Control<QLineEdit>(form, "Edit31")->setText("10");
    EXPECT_EQ(Control<ImageControl>(form, "Image2")->image(),
              untouched);  // no results yet: nothing changes

    Control<QLineEdit>(form, "Edit31")->setText("7.5");
    Control<QPushButton>(form, "Button4")->click();
    const Results& results = form.analysis().results;
    EXPECT_DOUBLE_EQ(results.stability_manual, 7.5);
    EXPECT_DOUBLE_EQ(results.x_cg_manual, results.x_np - results.ref_length * 7.5 * 0.01);
    Control<QLineEdit>(form, "Edit31")->setText("");
    EXPECT_DOUBLE_EQ(form.analysis().results.x_cg_manual, results.x_np);
    Control<QRadioButton>(form, "RadioButton15")->click();
    EXPECT_TRUE(Control<QLineEdit>(form, "Edit31")->isHidden());
}

TEST_F(CalculateTest, UnexpectedFailureReturnsTheWindowToIdle) {
    TForm1 form;
    form.SetPipelineRunner(
        [](Aircraft&, AnalysisData&, PipelineObserver& observer) -> PipelineOutcome {
            observer.SolveProgress(5);
            throw std::runtime_error("out of memory");
        });
    Control<QPushButton>(form, "Button4")->click();
    EXPECT_TRUE(Control<QLabel>(form, "Label_w")->isHidden());
    EXPECT_TRUE(Control<QLabel>(form, "Label24")->isHidden());
    EXPECT_FALSE(Control<QPushButton>(form, "Button4")->isHidden());
    EXPECT_FALSE(Control<QPlainTextEdit>(form, "Memo1")->isHidden());
    EXPECT_TRUE(Control<QPlainTextEdit>(form, "Memo1")->toPlainText().contains("out of memory"));
    EXPECT_TRUE(Control<QPushButton>(form, "Button6")->isHidden());
    EXPECT_FALSE(form.aircraft().results_valid);
}

// Watches the window's observer: the countdown shows in Label24 while the solve runs.
class CountdownSpy : public PipelineObserver {
public:
    CountdownSpy(PipelineObserver& window, const TForm1& form) : window_(window), form_(form) {}
    void GridCounted() override { window_.GridCounted(); }
    void LatticeReady() override {
        window_.LatticeReady();
        running_label_shown = !Control<QLabel>(form_, "Label_w")->isHidden() &&
                              Control<QPushButton>(form_, "Button4")->isHidden();
    }
    void SolveProgress(int remaining) override {
        window_.SolveProgress(remaining);
        shown.push_back(Control<QLabel>(form_, "Label24")->isHidden()
                            ? QString()
                            : Control<QLabel>(form_, "Label24")->text());
    }
    std::vector<QString> shown;
    bool running_label_shown = false;

private:
    PipelineObserver& window_;
    const TForm1& form_;
};

TEST_F(CalculateTest, SolveCountsDownInLabel24) {
    TForm1 form;
    std::unique_ptr<CountdownSpy> spy;
    form.SetPipelineRunner([&](Aircraft& aircraft, AnalysisData& data, PipelineObserver& window) {
        spy = std::make_unique<CountdownSpy>(window, form);
        return RunPipeline(aircraft, data, *spy);
    });
    Control<QPushButton>(form, "Button4")->click();
    ASSERT_TRUE(spy);
    EXPECT_TRUE(spy->running_label_shown);
    // 426 panels: the observer hears n - k after each of the 426 steps; the label
    // shows the first count at once, then a falling selection, and ends at "0".
    ASSERT_EQ(spy->shown.size(), 426u);
    EXPECT_EQ(spy->shown.front(), "425");
    EXPECT_EQ(spy->shown.back(), "0");
    for (size_t step = 1; step < spy->shown.size(); ++step) {
        EXPECT_LE(spy->shown[step].toInt(), spy->shown[step - 1].toInt()) << "step " << step;
    }
    EXPECT_TRUE(Control<QLabel>(form, "Label24")->isHidden());
}

TEST(CountdownThrottle, ShowsTheFirstCountThenOnePerIntervalAndAlwaysTheLast) {
    using namespace std::chrono_literals;
    CountdownThrottle throttle;
    const CountdownThrottle::Clock::time_point start{};
    const auto interval = CountdownThrottle::kInterval;
    EXPECT_TRUE(throttle.Due(99, start));
    EXPECT_FALSE(throttle.Due(98, start + interval / 2));
    EXPECT_TRUE(throttle.Due(97, start + interval));  // a full interval after the first
    EXPECT_FALSE(throttle.Due(96, start + interval + 1ns));
    EXPECT_TRUE(throttle.Due(0, start + interval + 2ns));  // the end, however soon
}

TEST_F(CalculateTest, LanguageSwitchRedrawsResultsWithoutRecalculating) {
    TForm1 form;
    Control<QPushButton>(form, "Button4")->click();
    const QImage english = Control<ImageControl>(form, "Image2")->image();
    const BeepCounter& beeps = CountBeeps(form);
    Control<QAction>(form, "german1")->trigger();
    EXPECT_TRUE(form.aircraft().results_valid);
    EXPECT_EQ(beeps.count, 0);
    EXPECT_NE(Control<ImageControl>(form, "Image2")->image(), english);
    Control<QAction>(form, "german1")->trigger();
    QDir().remove("Default.pa4");
}

TEST_F(CalculateTest, PrintComposesTheSummaryPageAndOpensThePrinterWindow) {
    TForm1 form;
    Control<QPushButton>(form, "Button4")->click();
    bool dialog_was_open = false;
    QTimer::singleShot(0, &form, [&] {
        TForm3* printer = form.printer_window();
        dialog_was_open = printer->isVisible() && printer->isModal();
        printer->reject();
    });
    Control<QPushButton>(form, "Button6")->click();
    EXPECT_TRUE(dialog_was_open);
    // The page: white, with the header text and the stretched top view near the top.
    const QImage& page = Control<ImageControl>(form, "Image_P")->image();
    ASSERT_EQ(page.size(), QSize(800, 1220));
    EXPECT_EQ(page.pixelColor(799, 1219), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(20, 50), QColor(255, 255, 225));  // top view background
}

}  // namespace
}  // namespace kalvesta
