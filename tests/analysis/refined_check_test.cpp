// The refined-lattice check: the cosine lattice's geometry and counts, and that
// its neutral point converges as the lattice is made finer.
#include "analysis/refined_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "analysis/grid.h"
#include "test_aircraft.h"

namespace kalvesta {
namespace {

using testing_support::DefaultAircraft;
using testing_support::PreparedAircraft;
using testing_support::Rectangle;
using testing_support::TestWing;
using testing_support::Trapezoid;

// A swept, tapered main wing of two trapezoids and a raised tailplane.
Aircraft SweptTwoTrapezoidAircraft() {
    TestWing wing = Trapezoid(300, 250, 220, 20);
    wing.trapezoids = 2;
    wing.inputs.span[1] = 400;
    wing.inputs.chord[1] = 120;
    wing.inputs.le_x[1] = 120;
    TestWing tail = Rectangle(150, 80);
    tail.x_mm = 700;
    tail.z_mm = 50;
    return PreparedAircraft({wing, tail});
}

// The documented calculation, whose aircraft the check starts from.
struct Calculated {
    Aircraft aircraft;
    std::unique_ptr<AnalysisData> data = std::make_unique<AnalysisData>();

    explicit Calculated(Aircraft prepared) : aircraft(std::move(prepared)) {
        data->memo.Reset(aircraft.english_captions);
        PipelineObserver quiet;
        EXPECT_EQ(RunPipeline(aircraft, *data, quiet), PipelineOutcome::kCompleted);
    }
};

TEST(RefinedCheck, CosineLatticeOfTheStartUpAircraft) {
    Calculated calculated(DefaultAircraft(2));
    const Results documented = calculated.data->results;
    auto scratch = std::make_unique<AnalysisData>();
    const RefinedCheck check = RunRefinedCheck(calculated.aircraft, documented, *scratch);

    // The finest lattice within 3000 panels: 37 × 75 + 11 × 14.
    ASSERT_TRUE(check.refined.ok);
    EXPECT_EQ(check.refined.panel_count, 2929);
    EXPECT_EQ(check.refined.chord_count[1], 37);
    EXPECT_EQ(check.refined.span_count[1], 75);
    EXPECT_EQ(check.refined.chord_count[2], 11);
    EXPECT_EQ(check.refined.span_count[2], 14);
    Aircraft larger = calculated.aircraft;
    Memo memo;
    GRID(larger, scratch->lattice, memo, check.refined.panel_budget + 1);
    EXPECT_TRUE(memo.calc_failed) << "a budget one larger must not fit";

    EXPECT_DOUBLE_EQ(check.x_np_change_mm, check.refined.x_np - documented.x_np);
    EXPECT_DOUBLE_EQ(check.x_np_change_percent,
                     check.x_np_change_mm / documented.ref_length * 100.0);
    // The documented figures are those of the calculation, untouched by the check.
    EXPECT_EQ(calculated.data->results.x_np, documented.x_np);
    EXPECT_EQ(calculated.data->lattice.panel_count, 426);

    // Cosine spacing, strip edges and chordwise lines: (1 − cos(π i / n)) / 2 of
    // the span and chord; each bound vortex at its panel's middle angle on that
    // semicircle, the control point on the panel's rear line.
    const auto cosine = [](size_t i, size_t count) {
        return 0.5 * (1.0 - std::cos(std::numbers::pi * static_cast<double>(i) /
                                     static_cast<double>(count)));
    };
    const Lattice& lattice = scratch->lattice;
    const size_t n = 75;
    const size_t n_c = 37;
    const double half_span = 550.0;
    for (size_t k : {size_t{1}, size_t{38}, n}) {
        EXPECT_NEAR(lattice.vortex_y2[k][1], cosine(k, n) * half_span, 1e-9) << "strip " << k;
    }
    EXPECT_LT(lattice.vortex_y2[1][1] - lattice.vortex_y1[1][1],
              lattice.vortex_y2[38][1] - lattice.vortex_y1[38][1]);
    const double chord = lattice.grid_x1[n_c + 1][1][1] - lattice.grid_x1[1][1][1];
    EXPECT_DOUBLE_EQ(chord, 310.0);
    for (size_t m : {size_t{1}, size_t{19}, n_c}) {
        EXPECT_NEAR(lattice.grid_x1[m][1][1], chord * cosine(m - 1, n_c), 1e-9) << "line " << m;
        EXPECT_NEAR(lattice.vortex_x1[m][1][1], chord * cosine(2 * m - 1, 2 * n_c), 1e-9);
        EXPECT_DOUBLE_EQ(lattice.control_x[m][1][1],
                         (lattice.grid_x1[m + 1][1][1] + lattice.grid_x2[m + 1][1][1]) * 0.5);
    }
    EXPECT_EQ(lattice.surface_z[2], 80.0);
}

// Halving the panel budget (about half the panels) twice from the finest lattice:
// the neutral point moves less at every step, and less than 0.1 % of the
// reference length in the last.
class RefinedConvergence : public ::testing::TestWithParam<Aircraft (*)()> {};

TEST_P(RefinedConvergence, NeutralPointSettles) {
    Calculated calculated(GetParam()());
    auto scratch = std::make_unique<AnalysisData>();
    const int finest = FinestPanelBudget(calculated.aircraft, *scratch);
    ASSERT_GE(finest, kDocumentedPanelBudget);
    double x_np[3] = {};
    int panels[3] = {};
    for (int level = 0; level < 3; ++level) {
        const RefinedLattice refined =
            SolveRefinedLattice(calculated.aircraft, finest >> (2 - level), *scratch);
        ASSERT_TRUE(refined.ok);
        x_np[level] = refined.x_np;
        panels[level] = refined.panel_count;
    }
    EXPECT_LE(panels[2], 3000);
    EXPECT_GT(panels[2], 3 * panels[0]) << "each level about doubles the panels";
    const double coarse_step = std::fabs(x_np[1] - x_np[0]);
    const double fine_step = std::fabs(x_np[2] - x_np[1]);
    // The same direction at every step (rounding of the small surfaces' counts
    // keeps the steps from shrinking evenly), and within 0.1 % at the last.
    EXPECT_GT((x_np[1] - x_np[0]) * (x_np[2] - x_np[1]), 0.0);
    EXPECT_LT(fine_step, 0.001 * calculated.data->results.ref_length);
    EXPECT_LT(fine_step, 2.0 * coarse_step);
}

Aircraft StartUpAircraft() {
    return DefaultAircraft(2);
}

INSTANTIATE_TEST_SUITE_P(TwoAircraft, RefinedConvergence,
                         ::testing::Values(&StartUpAircraft, &SweptTwoTrapezoidAircraft));

}  // namespace
}  // namespace kalvesta
