// Degenerate, extreme and hostile aircraft: the pipeline either completes with
// finite figures (and so do the figures beside it) or stops with its reasons in the memo; it never
// indexes past an array (the sanitizer build checks that), never hands out NaN or infinity, and
// every view drawn from the aircraft and its results is sound.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "analysis/added_figures.h"
#include "analysis/pipeline.h"
#include "analysis/stability.h"
#include "support/hostile_aircraft.h"
#include "support/pipeline_run.h"
#include "support/sound_views.h"

namespace kalvesta {
namespace {

using testing_support::HostileAircraft;
using testing_support::HostileOutcome;
using testing_support::SoundViewsFault;

class Degenerate : public testing::TestWithParam<HostileAircraft> {};

TEST_P(Degenerate, StopsWithAReasonOrGivesFiniteFigures) {
    const AircraftInputs description = DescriptionOf(GetParam());
    Aircraft aircraft;
    PrepareForCalculation(aircraft, description);
    testing_support::PipelineRun run;
    const PipelineOutcome outcome = run.Calculate(aircraft);
    AnalysisData* const data = run.data.get();
    const WingSelection drawn = SelectionOf(description);
    EXPECT_EQ(SoundViewsFault(aircraft, drawn, HasResults(outcome) ? data : nullptr), "");
    if (GetParam().expected != HostileOutcome::kEither) {
        EXPECT_EQ(HasResults(outcome), GetParam().expected == HostileOutcome::kCompletes)
            << data->memo.Text(Catalogue());
    }
    if (!HasResults(outcome)) {
        EXPECT_TRUE(data->memo.calc_failed);
        EXPECT_TRUE(data->memo.visible);
        EXPECT_GE(data->memo.line_count(), 3) << data->memo.Text(Catalogue());
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
        EXPECT_TRUE(std::isfinite(value)) << data->memo.Text(Catalogue());
    }
    // Beside them, with a fuselage along the wing's root, every figure finite where it exists.
    const auto beside = std::make_unique<AnalysisData>();
    const AddedFigures added =
        ComputeAddedFigures(aircraft, *data, Fuselage{{{-500, 40}, {0, 80}, {900, 20}}}, *beside);
    EXPECT_TRUE(!added.caution->measured || std::isfinite(added.caution->x_np));
    if (added.fuselage) {
        EXPECT_TRUE(std::isfinite(added.fuselage->results.x_np) &&
                    std::isfinite(added.fuselage->results.x_cg_high));
    }
}

INSTANTIATE_TEST_SUITE_P(Aircraft, Degenerate,
                         testing::ValuesIn(testing_support::HostileAircraftCases()),
                         [](const testing::TestParamInfo<HostileAircraft>& param_info) {
                             return param_info.param.name;
                         });

}  // namespace
}  // namespace kalvesta
