// Degenerate and extreme aircraft: the pipeline either completes with finite
// figures or stops with its reasons in the memo; it never indexes past an array
// (the sanitizer build checks that) and never hands out NaN or infinity.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <memory>
#include <string>

#include "analysis/pipeline.h"
#include "analysis/stability.h"
#include "test_aircraft.h"

namespace kalvesta {
namespace {

using testing_support::PreparedAircraft;
using testing_support::Rectangle;
using testing_support::TestWing;
using testing_support::Trapezoid;

struct Case {
    std::string name;
    std::vector<TestWing> wings;
};

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
    if (outcome == PipelineOutcome::kStoppedAfterGrid) {
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
          results.wing_x_ac[3], aircraft.wing_lm[1], aircraft.wing_lam[1]}) {
        EXPECT_TRUE(std::isfinite(value)) << data->memo.Text();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Aircraft, Degenerate,
    testing::Values(Case{"LargestWing", {Rectangle(INT32_MAX, INT32_MAX)}},
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
                    Case{"PointedRoot", {Trapezoid(500, 0, 200)}},
                    Case{"HugeRootGap", {[] {
                             TestWing wing = Rectangle(10, 10);
                             wing.inputs.root_offset = INT32_MAX;
                             return wing;
                         }()}},
                    Case{"FourTinyTrapezoids", {FourTrapezoids(1, 1, 0), Rectangle(300, 100)}},
                    Case{"OnlyTheSecondWingHasArea", {Rectangle(0, 0), Rectangle(300, 100)}},
                    Case{"ThreeSurfacesInOnePlane",
                         {Rectangle(300, 100), Rectangle(300, 100), Rectangle(300, 100)}}),
    [](const testing::TestParamInfo<Case>& param_info) { return param_info.param.name; });

}  // namespace
}  // namespace kalvesta
