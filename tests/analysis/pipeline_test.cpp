// The whole pipeline: the start-up aircraft end to end, and the ways it stops.
#include "analysis/pipeline.h"

#include <gtest/gtest.h>

#include "analysis/stability.h"
#include "support/pipeline_run.h"
#include "test_aircraft.h"

namespace kalvesta {
namespace {

using testing_support::DefaultAircraft;
using testing_support::PreparedAircraft;
using testing_support::Rectangle;
using testing_support::Trapezoid;

class CountingObserver : public PipelineObserver {
public:
    void GridCounted() override { ++grid_counted; }
    void LatticeReady() override { ++lattice_ready; }
    void SolveProgress(int remaining) override {
        ++steps;
        last_remaining = remaining;
    }
    int grid_counted = 0;
    int lattice_ready = 0;
    int steps = 0;
    int last_remaining = -1;
};

// A calculation whose observer counts what it hears.
struct PipelineRun : testing_support::PipelineRun {
    CountingObserver observer;
    void Calculate(Aircraft& aircraft) {
        testing_support::PipelineRun::Calculate(aircraft, observer);
    }
};

TEST(RunPipeline, DefaultAircraft) {
    // Reference figures of the start-up aircraft (two one-trapezoid surfaces); its
    // lattice's counts are the grid's test, here one solve step per panel.
    Aircraft aircraft = DefaultAircraft(2);
    PipelineRun run;
    run.Calculate(aircraft);
    ASSERT_EQ(run.outcome, PipelineOutcome::kCompleted);
    Results& results = run.data->results;
    EXPECT_FALSE(run.data->memo.visible);
    EXPECT_FALSE(run.data->memo.calc_failed);
    EXPECT_TRUE(aircraft.results_valid);
    EXPECT_EQ(run.observer.grid_counted, 1);
    EXPECT_EQ(run.observer.lattice_ready, 1);
    EXPECT_EQ(run.observer.steps, 426);
    EXPECT_EQ(run.observer.last_remaining, 0);

    EXPECT_NEAR(results.wing_lift_slope[1], 3.744, 5e-4);
    EXPECT_NEAR(results.wing_lift_slope[2], 1.519, 5e-4);
    EXPECT_NEAR(results.wing_x_ac[1], 77.36, 5e-3);
    EXPECT_NEAR(results.wing_x_ac[2], 822.71, 5e-3);
    EXPECT_NEAR(results.x_np, 93.31, 5e-3);
    EXPECT_NEAR(results.ref_length, 271.975, 5e-4);
    EXPECT_NEAR(results.ref_area, 297000.0, 1e-6);
    // The lattice's own planform, beside the trapezoids' one.
    EXPECT_NEAR(results.wing_s[2], 16000.0, 1e-6);
    EXPECT_EQ(results.wing_b[3], 0.0);

    ComputeStability(aircraft.calc_wing_count, 7.5, results);
    EXPECT_NEAR(results.x_cg_high, 49.79, 5e-3);  // 16 %
    EXPECT_NEAR(results.x_cg_low, 71.55, 5e-3);   // 8 %
}

TEST(RunPipeline, DefaultAircraftWithOneWing) {
    // 406 panels; the neutral point is the main wing's aerodynamic centre.
    Aircraft aircraft = DefaultAircraft(1);
    PipelineRun run;
    run.Calculate(aircraft);
    ASSERT_EQ(run.outcome, PipelineOutcome::kCompleted);
    Results& results = run.data->results;
    EXPECT_EQ(run.data->lattice.panel_count, 406);
    EXPECT_NEAR(results.wing_lift_slope[1], 3.740, 5e-4);
    EXPECT_NEAR(results.wing_x_ac[1], 77.34, 5e-3);
    EXPECT_NEAR(results.x_np, results.wing_x_ac[1], 1e-9);
    ComputeStability(aircraft.calc_wing_count, 7.5, results);
    EXPECT_NEAR(results.x_cg_high, 55.58, 5e-3);  // 8 %
    EXPECT_NEAR(results.x_cg_low, 66.46, 5e-3);   // 4 %
}

// The results of a removed surface are cleared by the circulation results' step
// (WIRBEL_ERG's test); here the solve's share.
TEST(RunPipeline, NothingOfALargerSystemIsVisibleOutsideASmallerOne) {
    PipelineRun run;
    Aircraft two = DefaultAircraft(2);
    run.Calculate(two);
    Aircraft one = DefaultAircraft(1);
    run.Calculate(one);
    EXPECT_EQ(run.data->solution.influence_matrix(407, 1), 0.0);
    EXPECT_EQ(run.data->solution.influence_matrix(1, 407), 0.0);
}

TEST(RunPipeline, RefusedSurfaceStopsAfterTheGrid) {
    Aircraft aircraft = PreparedAircraft({Rectangle(1000, 250), Trapezoid(3000, 12, 8)});
    aircraft.calc_wing_count = 1;  // the last calculation's: the pipeline takes the wing count
    PipelineRun run;
    run.Calculate(aircraft);
    EXPECT_EQ(run.outcome, PipelineOutcome::kRefused);
    EXPECT_FALSE(aircraft.results_valid);
    EXPECT_EQ(aircraft.calc_wing_count, 2);
    EXPECT_EQ(run.observer.grid_counted, 1);
    EXPECT_EQ(run.observer.lattice_ready, 0);
    EXPECT_EQ(run.observer.steps, 0);
    EXPECT_EQ(run.data->memo.Text(Catalogue()),
              "Error: \nCan not calculate wing-2. \nPlease change this wing (less aspect ratio)!");
}

TEST(RunPipeline, FailedTrimStopsAfterTheLattice) {
    // The main wing ending in a point cannot be trimmed.
    Aircraft aircraft = PreparedAircraft({Trapezoid(550, 310, 0)});
    PipelineRun run;
    run.Calculate(aircraft);
    EXPECT_EQ(run.outcome, PipelineOutcome::kTrimFailed);
    EXPECT_FALSE(aircraft.results_valid);
    EXPECT_EQ(run.observer.lattice_ready, 0);
    EXPECT_EQ(run.data->memo.Text(Catalogue(Language::kRussian)),
              "Fehler: \nKann Flügel  1 / Trapez  1 nicht berechnen.\n"
              "Bitte dieses Trapez verändern (Außentiefe größer)!");
}

TEST(RunPipeline, SecondCalculationStartsClean) {
    PipelineRun run;
    Aircraft refused = PreparedAircraft({Trapezoid(3000, 12, 8)});
    run.Calculate(refused);
    ASSERT_TRUE(run.data->memo.calc_failed);
    Aircraft aircraft = DefaultAircraft(2);
    run.Calculate(aircraft);
    EXPECT_EQ(run.outcome, PipelineOutcome::kCompleted);
    EXPECT_FALSE(run.data->memo.calc_failed);
    EXPECT_NEAR(run.data->results.x_np, 93.31, 5e-3);
}

}  // namespace
}  // namespace kalvesta
