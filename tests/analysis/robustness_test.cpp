// Degenerate, extreme and hostile aircraft: the pipeline either completes with
// finite figures or stops with its reasons in the memo; it never indexes past an
// array (the sanitizer build checks that), never hands out NaN or infinity, and
// every view drawn from the aircraft and its results is sound.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <memory>
#include <string>

#include "analysis/pipeline.h"
#include "analysis/stability.h"
#include "support/sound_views.h"
#include "test_aircraft.h"

namespace kalvesta {
namespace {

using testing_support::PreparedAircraft;
using testing_support::Rectangle;
using testing_support::SoundViewsFault;
using testing_support::TestWing;
using testing_support::Trapezoid;

enum class Outcome { kEither, kCompletes, kRefused };

struct Case {
    std::string name;
    std::vector<TestWing> wings;
    Outcome expected = Outcome::kEither;
};

// Every input box of a four-trapezoid wing and its position at `value`.
TestWing Everywhere(int32_t value) {
    TestWing wing;
    wing.trapezoids = 4;
    wing.inputs.root_offset = value;
    wing.inputs.root_chord = value;
    wing.inputs.span.fill(value);
    wing.inputs.chord.fill(value);
    wing.inputs.le_x.fill(value);
    wing.x_mm = value;
    wing.z_mm = value;
    return wing;
}

TestWing At(TestWing wing, int32_t x_mm, int32_t z_mm) {
    wing.x_mm = x_mm;
    wing.z_mm = z_mm;
    return wing;
}

TestWing WithRootOffset(TestWing wing, int32_t root_offset_mm) {
    wing.inputs.root_offset = root_offset_mm;
    return wing;
}

TestWing FourTrapezoids(int32_t span, int32_t chord, int32_t le) {
    TestWing wing = Trapezoid(span, chord, chord, le);
    wing.trapezoids = 4;
    for (size_t t = 1; t < 4; ++t) {
        wing.inputs.span[t] = span;
        wing.inputs.chord[t] = chord;
        wing.inputs.le_x[t] = le;
    }
    return wing;
}

class Degenerate : public testing::TestWithParam<Case> {};

TEST_P(Degenerate, StopsWithAReasonOrGivesFiniteFigures) {
    Aircraft aircraft = PreparedAircraft(GetParam().wings);
    auto data = std::make_unique<AnalysisData>();
    data->memo.Reset(true);
    PipelineObserver observer;
    const PipelineOutcome outcome = RunPipeline(aircraft, *data, observer);
    WingSelection drawn;
    drawn.wing_count = aircraft.wing_count;
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        drawn.trapezoids[static_cast<size_t>(wing)] =
            aircraft.station_count[static_cast<size_t>(wing)] - 1;
    }
    EXPECT_EQ(SoundViewsFault(aircraft, drawn,
                              HasResults(outcome) ? data.get() : nullptr),
              "");
    if (GetParam().expected != Outcome::kEither) {
        EXPECT_EQ(HasResults(outcome),
                  GetParam().expected == Outcome::kCompletes)
            << data->memo.Text();
    }
    if (!HasResults(outcome)) {
        EXPECT_TRUE(data->memo.calc_failed);
        EXPECT_TRUE(data->memo.visible);
        EXPECT_GE(data->memo.line_count(), 3) << data->memo.Text();
        EXPECT_FALSE(aircraft.results_valid);
        return;
    }
    EXPECT_TRUE(aircraft.results_valid);
    Results& results = data->results;
    ComputeStability(aircraft.calc_wing_count, 7.5, results);
    for (const double value :
         {results.ref_area, results.ref_length, results.x_np, results.x_cg_low, results.x_cg_high,
          results.x_cg_manual, results.wing_lift_slope[1], results.wing_lift_slope[2],
          results.wing_lift_slope[3], results.wing_x_ac[1], results.wing_x_ac[2],
          results.wing_x_ac[3], results.wing_lm[1], results.wing_lam[1]}) {
        EXPECT_TRUE(std::isfinite(value)) << data->memo.Text();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Aircraft, Degenerate,
    testing::Values(
        Case{"LargestWing", {Rectangle(INT32_MAX, INT32_MAX)}},
        Case{"LongAndNarrow", {Rectangle(INT32_MAX, 1)}},
        Case{"ShortAndDeep", {Rectangle(1, INT32_MAX)}},
        Case{"FarAwayTail",
             {Rectangle(500, 200),
              [] {
                  TestWing tail = Rectangle(100, 50);
                  tail.x_mm = INT32_MAX;
                  tail.z_mm = INT32_MIN;
                  return tail;
              }()}},
        Case{"ExtremeSweep", {Trapezoid(500, 200, 100, INT32_MIN)}},
        Case{"PointedRoot", {Trapezoid(500, 0, 200)}}, Case{"HugeRootGap", {[] {
                                                                TestWing wing = Rectangle(10, 10);
                                                                wing.inputs.root_offset = INT32_MAX;
                                                                return wing;
                                                            }()}},
        Case{"FourTinyTrapezoids", {FourTrapezoids(1, 1, 0), Rectangle(300, 100)}},
        Case{"OnlyTheSecondWingHasArea", {Rectangle(0, 0), Rectangle(300, 100)}},
        Case{"ThreeSurfacesInOnePlane",
             {Rectangle(300, 100), Rectangle(300, 100), Rectangle(300, 100)}},
        Case{"ZeroChordsEverywhere", {Rectangle(500, 0), Rectangle(100, 0)}, Outcome::kRefused},
        Case{"ZeroSpans", {Rectangle(0, 200), Rectangle(0, 50)}, Outcome::kRefused},
        Case{"PointedTipOfManyStrips", {Trapezoid(2000, 300, 0, 250)}},
        Case{"EveryInputAtTheLargestValue",
             {Everywhere(INT32_MAX), Everywhere(INT32_MAX), Everywhere(INT32_MAX)}},
        Case{"EveryInputAtTheSmallestValue",
             {Everywhere(INT32_MIN), Everywhere(INT32_MIN), Everywhere(INT32_MIN)}},
        Case{"FourTrapezoidsOfOneMillimetre", {FourTrapezoids(1, 100, 0)}, Outcome::kCompletes},
        Case{"RootOffsetBeyondTheSpan",
             {WithRootOffset(Rectangle(300, 100), 800)},
             Outcome::kCompletes},
        Case{"TailFarAheadOfTheWing",
             {Rectangle(500, 200), At(Rectangle(100, 50), -5000, 0)},
             Outcome::kCompletes},
        // 2990 mm at 10 mm chord: one chordwise panel (√(400 × 10 / 2990)
        // rounds to 1) and 2990 / 10 = 299 strips, the most there is room
        // for; 3000 mm needs 300 strips.
        Case{"TwoHundredNinetyNineStrips", {Rectangle(2990, 10)}, Outcome::kCompletes},
        Case{"ThreeHundredStrips", {Rectangle(3000, 10)}, Outcome::kRefused},
        // √(400 × 300 / 1) = 346 chordwise panels, beyond the 299 there are.
        Case{"MoreThan299ChordwisePanels", {Rectangle(1, 300)}, Outcome::kRefused}),
    [](const testing::TestParamInfo<Case>& param_info) { return param_info.param.name; });

}  // namespace
}  // namespace kalvesta
