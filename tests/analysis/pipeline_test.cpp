// The whole pipeline on the start-up aircraft and its one-wing variant.
#include "analysis/pipeline.h"

#include <gtest/gtest.h>

#include <memory>

#include "analysis/stability.h"
#include "model/aircraft_inputs.h"

namespace kalvesta {
namespace {

// The start-up aircraft as the window prepares it: the preparation runs twice so
// that plan_x holds the wing positions.
Aircraft DefaultAircraft(int wing_count) {
    Aircraft aircraft;
    AircraftInputs inputs = DefaultAircraftInputs();
    inputs.wing_count = wing_count;
    PrepareAircraft(aircraft, inputs);
    PrepareAircraft(aircraft, inputs);
    aircraft.wing_count = wing_count;
    aircraft.calc_wing_count = wing_count;
    return aircraft;
}

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

TEST(Pipeline, DefaultAircraft) {
    Aircraft aircraft = DefaultAircraft(2);
    auto data = std::make_unique<AnalysisData>();
    data->memo.Reset(true);
    CountingObserver observer;
    EXPECT_EQ(RunPipeline(aircraft, *data, observer), PipelineOutcome::kCompleted);
    const Lattice& lattice = data->lattice;
    const Results& results = data->results;
    EXPECT_EQ(lattice.chord_count[1], 14);
    EXPECT_EQ(lattice.chord_count[2], 4);
    EXPECT_EQ(lattice.span_count[1], 29);
    EXPECT_EQ(lattice.span_count[2], 5);
    EXPECT_EQ(lattice.panel_count, 426);
    EXPECT_FALSE(data->memo.visible);
    EXPECT_FALSE(data->memo.calc_failed);
    EXPECT_TRUE(aircraft.results_valid);
    EXPECT_EQ(observer.steps, 426);
    EXPECT_EQ(observer.last_remaining, 0);
    ComputeStability(aircraft.calc_wing_count, 7.5, data->results);
    std::printf("slope %.6f %.6f xac %.4f %.4f xnp %.4f ref %.4f %.1f cg %.4f %.4f\n",
                results.wing_lift_slope[1], results.wing_lift_slope[2], results.wing_x_ac[1],
                results.wing_x_ac[2], results.x_np, results.ref_length, results.ref_area,
                results.x_cg_high, results.x_cg_low);
}

}  // namespace
}  // namespace kalvesta
