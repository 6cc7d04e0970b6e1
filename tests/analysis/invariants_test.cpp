// Physical invariants of the analysis on random valid aircraft: the figures must
// not depend on where the aircraft sits along x nor on the unit of length, and a
// lone surface is its own neutral point. The aircraft come from a seeded
// generator; a failure names its seed so that it can be replayed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "analysis/pipeline.h"
#include "support/pipeline_run.h"
#include "test_aircraft.h"

namespace kalvesta {
namespace {

using testing_support::PreparedAircraft;
using testing_support::TestWing;

// Relative tolerance of the invariants: the figures agree to rounding, far
// tighter than any figure is shown.
constexpr double kRelative = 1e-9;

// A random valid aircraft: one to three surfaces of one to four trapezoids with
// moderate chords, spans and sweep, so that every surface is gridded (fewer than
// 300 strips, at most 299 chordwise panels). The surfaces sit at distinct heights
// (0, 40..150 and −80..−20 mm): surfaces at one height are moved apart by fixed
// fractions of a millimetre, which no shift or scaling carries along.
std::vector<TestWing> RandomAircraft(uint32_t seed) {
    std::mt19937 random(seed);
    auto between = [&random](int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(random);
    };
    const int wing_count = between(1, 3);
    std::vector<TestWing> wings(static_cast<size_t>(wing_count));
    for (size_t w = 0; w < wings.size(); ++w) {
        // The main wing large, the others a third of its size.
        const int32_t size = w == 0 ? 3 : 1;
        TestWing& wing = wings[w];
        wing.trapezoids = between(1, 4);
        wing.inputs.root_offset = between(0, 30);
        wing.inputs.root_chord = size * between(40, 120);
        for (size_t t = 0; t < kMaxTrapezoids; ++t) {
            wing.inputs.span[t] = size * between(30, 200);
            wing.inputs.chord[t] = size * between(20, 120);
            wing.inputs.le_x[t] = size * between(-20, 60);
        }
    }
    wings[0].x_mm = between(-50, 50);
    if (wings.size() > 1) {
        wings[1].x_mm = between(500, 1000);
        wings[1].z_mm = between(40, 150);
    }
    if (wings.size() > 2) {
        wings[2].x_mm = between(-400, -150);
        wings[2].z_mm = between(-80, -20);
    }
    return wings;
}

struct Analysis : testing_support::PipelineRun {
    Aircraft aircraft;
    explicit Analysis(const std::vector<TestWing>& wings) : aircraft(PreparedAircraft(wings)) {
        Calculate(aircraft);
    }
};

// |actual − expected| within kRelative of `scale`.
void ExpectClose(double actual, double expected, double scale, const char* what) {
    EXPECT_NEAR(actual, expected, kRelative * std::fabs(scale)) << what;
}

class Invariants : public testing::TestWithParam<uint32_t> {};

TEST_P(Invariants, ShiftAlongXMovesOnlyThePositions) {
    SCOPED_TRACE(testing::Message() << "aircraft seed " << GetParam());
    const std::vector<TestWing> wings = RandomAircraft(GetParam());
    std::vector<TestWing> shifted = wings;
    constexpr int32_t kShift = 1237;  // mm
    for (TestWing& wing : shifted) {
        wing.x_mm += kShift;
    }
    const Analysis base(wings);
    const Analysis moved(shifted);
    ASSERT_EQ(base.outcome, PipelineOutcome::kCompleted) << base.data->memo.Text(Catalogue());
    ASSERT_EQ(moved.outcome, PipelineOutcome::kCompleted);

    const double length = base.results().ref_length;
    ExpectClose(moved.results().x_np, base.results().x_np + kShift, length, "x_np");
    for (size_t w = 1; w <= wings.size(); ++w) {
        ExpectClose(moved.results().wing_x_ac[w], base.results().wing_x_ac[w] + kShift, length,
                    "wing_x_ac");
        ExpectClose(moved.results().wing_lift_slope[w], base.results().wing_lift_slope[w],
                    base.results().wing_lift_slope[w], "wing_lift_slope");
    }
}

TEST_P(Invariants, DoublingEveryLengthDoublesLengthsAndKeepsSlopes) {
    SCOPED_TRACE(testing::Message() << "aircraft seed " << GetParam());
    const std::vector<TestWing> wings = RandomAircraft(GetParam());
    std::vector<TestWing> doubled = wings;
    for (TestWing& wing : doubled) {
        WingInputs& in = wing.inputs;
        in.root_offset *= 2;
        in.root_chord *= 2;
        for (size_t t = 0; t < kMaxTrapezoids; ++t) {
            in.span[t] *= 2;
            in.chord[t] *= 2;
            in.le_x[t] *= 2;
        }
        wing.x_mm *= 2;
        wing.z_mm *= 2;
    }
    const Analysis base(wings);
    const Analysis large(doubled);
    ASSERT_EQ(base.outcome, PipelineOutcome::kCompleted) << base.data->memo.Text(Catalogue());
    ASSERT_EQ(large.outcome, PipelineOutcome::kCompleted);

    const Lattice& lattice = base.data->lattice;
    EXPECT_EQ(large.data->lattice.panel_count, lattice.panel_count);
    EXPECT_EQ(large.data->lattice.chord_count, lattice.chord_count);
    EXPECT_EQ(large.data->lattice.span_count, lattice.span_count);

    const Results& r = base.results();
    const Results& r2 = large.results();
    ExpectClose(r2.x_np, 2.0 * r.x_np, 2.0 * r.ref_length, "x_np");
    ExpectClose(r2.ref_length, 2.0 * r.ref_length, 2.0 * r.ref_length, "ref_length");
    ExpectClose(r2.ref_area, 4.0 * r.ref_area, 4.0 * r.ref_area, "ref_area");
    for (size_t w = 1; w <= wings.size(); ++w) {
        ExpectClose(r2.wing_x_ac[w], 2.0 * r.wing_x_ac[w], 2.0 * r.ref_length, "wing_x_ac");
        ExpectClose(r2.wing_lift_slope[w], r.wing_lift_slope[w], r.wing_lift_slope[w],
                    "wing_lift_slope");
    }
}

TEST_P(Invariants, ALoneSurfaceIsItsOwnNeutralPoint) {
    SCOPED_TRACE(testing::Message() << "aircraft seed " << GetParam());
    const Analysis lone({RandomAircraft(GetParam()).front()});
    ASSERT_EQ(lone.outcome, PipelineOutcome::kCompleted) << lone.data->memo.Text(Catalogue());
    ExpectClose(lone.results().x_np, lone.results().wing_x_ac[1], lone.results().ref_length,
                "x_np");
}

// Twenty fixed aircraft.
INSTANTIATE_TEST_SUITE_P(Seeds, Invariants, testing::Range(1u, 21u));

}  // namespace
}  // namespace kalvesta
