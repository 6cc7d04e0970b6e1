// The refined-lattice check: its estimate against the converged answer of the same
// model, its verdict where the lattices cannot converge, the studies that do not
// fit, and the limit it draws from three values.
#include "analysis/refined_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "support/pipeline_run.h"
#include "test_aircraft.h"

namespace kalvesta {
namespace {

using testing_support::DefaultAircraft;
using testing_support::PreparedAircraft;
using testing_support::Rectangle;
using testing_support::TestWing;

// The start-up aircraft with its tailplane in the main wing's plane: 0.333 mm
// above it, as the lattice moves equal heights apart.
Aircraft CoplanarTail() {
    AircraftInputs inputs = DefaultAircraftInputs();
    inputs.wing_z_mm[2] = 0;
    Aircraft aircraft;
    PrepareForCalculation(aircraft, inputs);
    return aircraft;
}

// One swept wing of three tapered trapezoids with a 60 mm gap at the centre.
Aircraft SweptWing() {
    TestWing wing;
    wing.trapezoids = 3;
    wing.inputs.root_offset = 30;
    wing.inputs.root_chord = 220;
    wing.inputs.span = {500, 600, 400, 0};
    wing.inputs.chord = {200, 160, 90, 0};
    wing.inputs.le_x = {5, 20, 60, 0};
    return PreparedAircraft({wing});
}

template <class Case>
std::string NameOf(const ::testing::TestParamInfo<Case>& param) {
    return param.param.name;
}

// The check after a completed calculation, and that calculation's figures.
struct Checked {
    Results documented;
    RefinedCheck check;
};

Checked CheckOf(Aircraft aircraft) {
    testing_support::PipelineRun run;
    EXPECT_EQ(run.Calculate(aircraft), PipelineOutcome::kCompleted);
    RefinedCheckProgress to_the_end;
    Checked checked;
    checked.documented = run.results();
    checked.check = RunRefinedCheck(aircraft, checked.documented, *run.data, to_the_end);
    return checked;
}

// `converged_mm`: the neutral point of the same flat-plate model on AVL 3.32
// (double precision, vortex core 0) cosine lattices refined until it stopped
// moving, ± `converged_within_mm` from its last steps. Converged, the estimate's
// uncertainty covers it and stays below `largest_uncertainty_mm`. Each study runs
// in this one test.
struct ConvergenceCase {
    const char* name;
    Aircraft (*make)();
    ConvergenceVerdict verdict;
    double converged_mm;
    double converged_within_mm;
    double largest_uncertainty_mm;
};

class RefinedConvergence : public ::testing::TestWithParam<ConvergenceCase> {};

TEST_P(RefinedConvergence, EstimateCoversTheConvergedNeutralPoint) {
    const ConvergenceCase& c = GetParam();
    const Checked checked = CheckOf(c.make());
    const RefinedCheck& check = checked.check;
    ASSERT_EQ(check.outcome, RefinedOutcome::kCompleted);
    // Three lattices, each 1.5 × 1.5 times the panels of the one before.
    for (size_t level = 1; level < kStudyLatticeCount; ++level) {
        EXPECT_EQ(check.lattices[level].panel_count * 4, check.lattices[level - 1].panel_count * 9);
    }
    EXPECT_LE(check.lattices.back().panel_count, kPanelCapacity);
    EXPECT_EQ(check.x_np.verdict, c.verdict);
    EXPECT_EQ(check.x_np_change_mm, check.x_np.value - checked.documented.x_np);
    if (!IsConverged(c.verdict)) {
        // No precise-looking figure: the finest lattice and the lattices' spread.
        const auto [smallest, largest] =
            std::minmax({check.lattices[0].x_np, check.lattices[1].x_np, check.lattices[2].x_np});
        EXPECT_EQ(check.x_np.value, check.lattices.back().x_np);
        EXPECT_EQ(check.x_np.uncertainty, largest - smallest);
        EXPECT_EQ(check.verdict, RefinedVerdict::kNotConverged);
        // The surfaces named: Wing-1 and the tailplane 0.333 mm above it.
        EXPECT_EQ(check.close_wing_a, 1);
        EXPECT_EQ(check.close_wing_b, 2);
        EXPECT_NEAR(check.close_gap_mm, 0.333, 1e-12);
        return;
    }
    EXPECT_LE(std::fabs(check.x_np.value - c.converged_mm),
              check.x_np.uncertainty + c.converged_within_mm);
    EXPECT_LE(check.x_np.uncertainty, c.largest_uncertainty_mm);
}

INSTANTIATE_TEST_SUITE_P(
    Aircraft, RefinedConvergence,
    ::testing::Values(
        // AVL 92.2302, 92.2278, 92.2263, 92.2253, 92.2247 mm on 148 to 2400
        // panels, its steps still shrinking at an order of 0.5 to 1: 92.219 to
        // 92.224 in the limit. The check's steps: 0.0039, 0.0023 mm.
        ConvergenceCase{"StartUp", [] { return DefaultAircraft(2); },
                        ConvergenceVerdict::kExtrapolated, 92.2215, 0.0025, 0.02},
        // The third surface 30 mm above the main wing: AVL 73.9661, 73.9522,
        // 73.9491, 73.9476 mm on 636 to 3500 panels, 73.931 to 73.946 in the
        // limit by the orders its steps show; this lattice on 1152 to 5832 panels
        // (beyond the check's capacity): 73.9417 ± 0.0048.
        ConvergenceCase{"StartUpThreeWings", [] { return DefaultAircraft(3); },
                        ConvergenceVerdict::kExtrapolated, 73.942, 0.005, 0.02},
        // AVL 57.72090, 57.72071, 57.72063 mm on 1284 to 3580 panels (order 2.1).
        ConvergenceCase{"SweptWing", &SweptWing, ConvergenceVerdict::kExtrapolated, 57.7205, 0.0002,
                        0.01},
        // The lattices' x_np jumps by millimetres (85 to 98 mm from 48 to 2187
        // panels), AVL's as well (88.6 to 91.7 mm): the surfaces are closer
        // than any panel.
        ConvergenceCase{"CoplanarTail", &CoplanarTail, ConvergenceVerdict::kSurfacesTooClose, 0.0,
                        0.0, 0.0}),
    NameOf<ConvergenceCase>);

// A lattice that would not fit is refused before any is solved, with the reason.
TEST(RefinedCheck, RefusesAStudyThatWouldNotFit) {
    RefinedCheckProgress to_the_end;
    auto scratch = std::make_unique<AnalysisData>();
    // Half-span 37 chords: 37 strip units, 9 × 37 = 333 strips in the finest.
    const RefinedCheck slender =
        RunRefinedCheck(PreparedAircraft({Rectangle(2960, 80)}), Results{}, *scratch, to_the_end);
    EXPECT_EQ(slender.outcome, RefinedOutcome::kRefused);
    EXPECT_EQ(slender.refusal.wing, 1);
    EXPECT_EQ(slender.refusal.strips, 333);
    // Three surfaces of 18 chords: 3 × 9 × 162 = 4374 panels.
    const TestWing long_wing = Rectangle(1800, 100);
    const RefinedCheck large = RunRefinedCheck(PreparedAircraft({long_wing, long_wing, long_wing}),
                                               Results{}, *scratch, to_the_end);
    EXPECT_EQ(large.outcome, RefinedOutcome::kRefused);
    EXPECT_EQ(large.refusal.wing, 0);
    EXPECT_EQ(large.refusal.panels, 4374);
}

// The limit from three values 1.5 times finer each.
struct SequenceCase {
    const char* name;
    std::array<double, 3> values;
    ConvergenceVerdict verdict;
    double value;
    double uncertainty;
};

class LimitOfThreeValues : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(LimitOfThreeValues, VerdictValueAndUncertainty) {
    const SequenceCase& c = GetParam();
    const ConvergenceEstimate estimate = EstimateLimit(c.values, 1.5, 0.01);
    EXPECT_EQ(estimate.verdict, c.verdict);
    EXPECT_NEAR(estimate.value, c.value, 1e-12);
    EXPECT_NEAR(estimate.uncertainty, c.uncertainty, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, LimitOfThreeValues,
    ::testing::Values(
        // 10 + (1/1.5)^(2k): order 2, the limit exactly; the uncertainty 1.25 times
        // the correction at order 1, 2 × the last step 20/81.
        SequenceCase{"Order2",
                     {11.0, 10.0 + 4.0 / 9.0, 10.0 + 16.0 / 81.0},
                     ConvergenceVerdict::kExtrapolated,
                     10.0,
                     2.5 * 20.0 / 81.0},
        // 10 + (1/1.5)^k: order 1, correction 2 × 2/9, uncertainty 1.25 times it.
        SequenceCase{"Order1",
                     {11.0, 10.0 + 2.0 / 3.0, 10.0 + 4.0 / 9.0},
                     ConvergenceVerdict::kExtrapolated,
                     10.0,
                     1.25 * 4.0 / 9.0},
        SequenceCase{"Growing", {0.0, 1.0, 3.0}, ConvergenceVerdict::kStepsDoNotShrink, 3.0, 3.0},
        SequenceCase{
            "Oscillating", {0.0, 1.0, 0.5}, ConvergenceVerdict::kStepsDoNotShrink, 0.5, 1.0},
        // d1 / d2 = 1.1: order 0.24.
        SequenceCase{"TooSlow", {0.0, 1.1, 2.1}, ConvergenceVerdict::kOrderOutOfRange, 2.1, 2.1},
        // Not shrinking, but within the negligible spread 0.01, which is claimed.
        SequenceCase{"Settled", {5.0, 5.004, 5.009}, ConvergenceVerdict::kSettled, 5.009, 0.01}),
    NameOf<SequenceCase>);

}  // namespace
}  // namespace kalvesta
