// Hostile aircraft typed into the real window and calculated: the window never
// crashes, shows a clear refusal or its results, shows only finite planform values
// and returns to idle.
#include "support/hostile_aircraft.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <vector>

#include "support/window_controls.h"
#include "ui/tform1.h"

namespace kalvesta {
namespace {

using testing_support::BeepCounter;
using testing_support::Control;
using testing_support::CountBeeps;
using testing_support::HostileAircraft;
using testing_support::HostileOutcome;
using testing_support::kPositionXBox;
using testing_support::kPositionZBox;
using testing_support::PositionXBox;
using testing_support::PositionZBox;
using testing_support::TrapezoidButton;
using testing_support::TypedBox;
using testing_support::WingBox;
using testing_support::WingCountButton;

// The hostile aircraft the window types as well.
std::vector<HostileAircraft> Cases() {
    std::vector<HostileAircraft> cases;
    for (HostileAircraft& aircraft : testing_support::HostileAircraftCases()) {
        if (aircraft.typed_into_the_window) {
            cases.push_back(std::move(aircraft));
        }
    }
    return cases;
}

class HostileAircraftWindow : public testing::TestWithParam<HostileAircraft> {
protected:
    static QLineEdit* Box(const TForm1& form, const TypedBox& typed) {
        if (typed.box == kPositionXBox) {
            return PositionXBox(form, typed.wing);
        }
        if (typed.box == kPositionZBox) {
            return PositionZBox(form, typed.wing);
        }
        return WingBox(form, typed.wing, typed.box);
    }

private:
    testing_support::InEmptyFolder folder_;
};

TEST_P(HostileAircraftWindow, RefusesOrShowsFiniteResultsAndReturnsToIdle) {
    const HostileAircraft& c = GetParam();
    TForm1 form;
    const BeepCounter& beeps = CountBeeps(form);
    WingCountButton(form, c.wing_count)->click();
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        const int trapezoids = c.trapezoids[static_cast<size_t>(wing - 1)];
        TrapezoidButton(form, wing, trapezoids)->click();
    }
    for (const TypedBox& typed : c.typed) {
        QLineEdit* box = Box(form, typed);
        box->selectAll();
        QTest::keyClicks(box, QString::fromStdString(typed.text));
        ASSERT_EQ(box->text().toStdString(), typed.text);
    }
    Control<QAction>(form, "aircraft1")->trigger();
    Control<QPushButton>(form, "Button4")->click();

    // Idle again, "Calculate" disabled until the next edit.
    EXPECT_FALSE(Control<QPushButton>(form, "Button4")->isHidden());
    EXPECT_FALSE(Control<QPushButton>(form, "Button4")->isEnabled());
    EXPECT_TRUE(Control<QLabel>(form, "Label_w")->isHidden());
    EXPECT_TRUE(Control<QLabel>(form, "Label24")->isHidden());
    EXPECT_EQ(beeps.count, 1);

    const bool completed = form.aircraft().results_valid;
    if (c.expected != HostileOutcome::kEither) {
        EXPECT_EQ(completed, c.expected == HostileOutcome::kCompletes)
            << Control<QPlainTextEdit>(form, "Memo1")->toPlainText().toStdString();
    }
    if (completed) {
        EXPECT_FALSE(Control<QPushButton>(form, "Button6")->isHidden());
    } else {
        // A clear refusal: the heading and at least one line saying why.
        EXPECT_FALSE(Control<QPlainTextEdit>(form, "Memo1")->isHidden());
        const QStringList lines = Control<QPlainTextEdit>(form, "Memo1")->toPlainText().split('\n');
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines.front(), "Error: ");
        EXPECT_TRUE(Control<QPushButton>(form, "Button6")->isHidden());
    }
    // The figures and pictures are the analysis tests' (Degenerate, same table); the
    // window's own are its value labels.
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        for (const char* row : {"b", "s", "lm", "r25", "lam"}) {
            const QString text =
                Control<QLabel>(form, QString("Label_%1%2").arg(row).arg(wing))->text();
            EXPECT_FALSE(text.contains("NaN") || text.contains("Inf")) << text.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Typed, HostileAircraftWindow, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<HostileAircraft>& param_info) {
                             return param_info.param.name;
                         });

}  // namespace
}  // namespace kalvesta
