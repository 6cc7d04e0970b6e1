// Hostile aircraft typed into the real window and calculated: the window never
// crashes, shows a clear refusal or finite results, draws only sound pictures and
// returns to idle.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "support/sound_views.h"
#include "support/window_controls.h"
#include "ui/tform1.h"

namespace kalvesta {
namespace {

using testing_support::BeepCounter;
using testing_support::Control;
using testing_support::CountBeeps;
using testing_support::PositionXBox;
using testing_support::PositionZBox;
using testing_support::TrapezoidButton;
using testing_support::WingBox;
using testing_support::WingCountButton;

constexpr int kPositionX = kWingBoxCount;      // Edit_x<w>
constexpr int kPositionZ = kWingBoxCount + 1;  // Edit_z<w>

struct Typed {
    int wing;
    int box;  // WingBox index, kPositionX or kPositionZ
    std::string text;
};

enum class Outcome { kEither, kCompletes, kRefused };

struct WindowCase {
    std::string name;
    int wing_count = 2;
    std::array<int, 3> trapezoids{1, 1, 1};
    std::vector<Typed> typed;
    Outcome expected = Outcome::kEither;
};

// Every box of every wing and every position box holding `text`.
std::vector<Typed> EveryBox(const std::string& text) {
    std::vector<Typed> typed;
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        for (int box = 0; box <= kPositionZ; ++box) {
            typed.push_back({wing, box, text});
        }
    }
    return typed;
}

// Wing 1 as one rectangle of the given half-span and chord.
std::vector<Typed> RectangleWing1(const std::string& span, const std::string& chord) {
    return {{1, SpanBox(1), span},
            {1, kRootChordBox, chord},
            {1, ChordBox(1), chord},
            {1, LeadingEdgeBox(1), "0"}};
}

std::vector<WindowCase> Cases() {
    std::vector<WindowCase> cases;
    cases.push_back({"ZeroChordsEverywhere",
                     2,
                     {1, 1, 1},
                     {{1, kRootChordBox, "0"},
                      {1, ChordBox(1), "0"},
                      {2, kRootChordBox, "0"},
                      {2, ChordBox(1), "0"}},
                     Outcome::kRefused});
    cases.push_back({"ZeroSpans",
                     2,
                     {1, 1, 1},
                     {{1, SpanBox(1), "0"}, {2, SpanBox(1), "0"}},
                     Outcome::kRefused});
    cases.push_back({"PointedTipOfManyStrips",
                     1,
                     {1, 1, 1},
                     {{1, SpanBox(1), "2000"}, {1, kRootChordBox, "300"}, {1, ChordBox(1), "0"}}});
    cases.push_back({"EveryInputAtTheLargestValue", 3, {4, 4, 4}, EveryBox("2147483647")});
    cases.push_back({"EveryInputAtTheSmallestValue", 3, {4, 4, 4}, EveryBox("-2147483648")});
    WindowCase tiny{"FourTrapezoidsOfOneMillimetre", 1, {4, 1, 1}, {}, Outcome::kCompletes};
    tiny.typed.push_back({1, kRootChordBox, "100"});
    for (int t = 1; t <= kMaxTrapezoids; ++t) {
        tiny.typed.push_back({1, SpanBox(t), "1"});
        tiny.typed.push_back({1, ChordBox(t), "100"});
        tiny.typed.push_back({1, LeadingEdgeBox(t), "0"});
    }
    cases.push_back(tiny);
    cases.push_back({"RootOffsetBeyondTheSpan",
                     2,
                     {1, 1, 1},
                     {{1, kRootOffsetBox, "800"}, {1, SpanBox(1), "300"}},
                     Outcome::kCompletes});
    cases.push_back(
        {"WingsOnTopOfEachOther",
         3,
         {1, 1, 1},
         {{2, kPositionX, "0"}, {2, kPositionZ, "0"}, {3, kPositionX, "0"}, {3, kPositionZ, "0"}}});
    cases.push_back(
        {"TailFarAheadOfTheWing", 2, {1, 1, 1}, {{2, kPositionX, "-5000"}}, Outcome::kCompletes});
    // One chordwise panel and 2990 / 10 = 299 strips, the most there is room for;
    // 3000 mm needs 300.
    cases.push_back({"TwoHundredNinetyNineStrips",
                     1,
                     {1, 1, 1},
                     RectangleWing1("2990", "10"),
                     Outcome::kCompletes});
    cases.push_back(
        {"ThreeHundredStrips", 1, {1, 1, 1}, RectangleWing1("3000", "10"), Outcome::kRefused});
    // √(400 × 300 / 1) = 346 chordwise panels, beyond the 299 there are.
    cases.push_back({"MoreThan299ChordwisePanels",
                     1,
                     {1, 1, 1},
                     RectangleWing1("1", "300"),
                     Outcome::kRefused});
    return cases;
}

class HostileAircraftWindow : public testing::TestWithParam<WindowCase> {
protected:
    static QLineEdit* Box(const TForm1& form, const Typed& typed) {
        if (typed.box == kPositionX) {
            return PositionXBox(form, typed.wing);
        }
        if (typed.box == kPositionZ) {
            return PositionZBox(form, typed.wing);
        }
        return WingBox(form, typed.wing, typed.box);
    }

private:
    testing_support::InEmptyFolder folder_;
};

// The window's pictures redrawn from its model on recording canvases, and its
// planform labels.
void ExpectSoundDrawings(const TForm1& form, const WindowCase& c) {
    const Aircraft& aircraft = form.aircraft();
    WingSelection drawn;
    drawn.wing_count = c.wing_count;
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        drawn.trapezoids[static_cast<size_t>(wing)] = c.trapezoids[static_cast<size_t>(wing - 1)];
        for (const char* row : {"b", "s", "lm", "r25", "lam"}) {
            const QLabel* value = Control<QLabel>(form, QString("Label_%1%2").arg(row).arg(wing));
            EXPECT_FALSE(value->text().contains("NaN") || value->text().contains("Inf"))
                << value->text().toStdString();
        }
    }
    EXPECT_EQ(testing_support::SoundViewsFault(aircraft, drawn,
                                               aircraft.results_valid ? &form.analysis() : nullptr),
              "");
}

TEST_P(HostileAircraftWindow, RefusesOrShowsFiniteResultsAndReturnsToIdle) {
    const WindowCase& c = GetParam();
    TForm1 form;
    const BeepCounter& beeps = CountBeeps(form);
    WingCountButton(form, c.wing_count)->click();
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        const int trapezoids = c.trapezoids[static_cast<size_t>(wing - 1)];
        TrapezoidButton(form, wing, trapezoids)->click();
    }
    for (const Typed& typed : c.typed) {
        QLineEdit* box = Box(form, typed);
        box->selectAll();
        QTest::keyClicks(box, QString::fromStdString(typed.text));
        ASSERT_EQ(box->text().toStdString(), typed.text);
    }
    Control<QAction>(form, "aircraft1")->trigger();
    Control<QPushButton>(form, "Button4")->click();

    // Idle again.
    EXPECT_FALSE(Control<QPushButton>(form, "Button4")->isHidden());
    EXPECT_TRUE(Control<QLabel>(form, "Label_w")->isHidden());
    EXPECT_TRUE(Control<QLabel>(form, "Label24")->isHidden());
    EXPECT_EQ(beeps.count, 1);

    const bool completed = form.aircraft().results_valid;
    if (c.expected != Outcome::kEither) {
        EXPECT_EQ(completed, c.expected == Outcome::kCompletes)
            << Control<QPlainTextEdit>(form, "Memo1")->toPlainText().toStdString();
    }
    if (completed) {
        EXPECT_FALSE(Control<QPushButton>(form, "Button6")->isHidden());
        const Results& results = form.analysis().results;
        for (const double value : {results.x_np, results.ref_length, results.ref_area,
                                   results.x_cg_low, results.x_cg_high}) {
            EXPECT_TRUE(std::isfinite(value));
        }
    } else {
        // A clear refusal: the heading and at least one line saying why.
        EXPECT_FALSE(Control<QPlainTextEdit>(form, "Memo1")->isHidden());
        const QStringList lines = Control<QPlainTextEdit>(form, "Memo1")->toPlainText().split('\n');
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines.front(), "Error: ");
        EXPECT_TRUE(Control<QPushButton>(form, "Button6")->isHidden());
    }
    ExpectSoundDrawings(form, c);
}

INSTANTIATE_TEST_SUITE_P(Typed, HostileAircraftWindow, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<WindowCase>& param_info) {
                             return param_info.param.name;
                         });

}  // namespace
}  // namespace kalvesta
