// The figures beside the calculation's: the fuselage's moment against closed forms
// and a hand calculation, the carried-through lattice against the lattice of the
// same strips described without a gap, and the caution on a fragile answer.
#include "analysis/added_figures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "support/pipeline_run.h"
#include "test_aircraft.h"

namespace kalvesta {
namespace {

using testing_support::DefaultAircraft;
using testing_support::PreparedAircraft;
using testing_support::Rectangle;
using testing_support::TestWing;
using testing_support::Trapezoid;

// One chordwise panel per strip, its bound vortex at x = 0, the strips' edges at
// `edges` (from y = 0) and circulation Γ(middle) of each.
struct HandLattice {
    std::unique_ptr<Lattice> lattice = std::make_unique<Lattice>();
    PerPanelNumber circulation{};

    template <class Circulation>
    HandLattice(const std::vector<double>& edges, Circulation gamma) {
        lattice->chord_count[1] = 1;
        for (size_t k = 1; k < edges.size(); ++k) {
            lattice->vortex_y1[k][1] = edges[k - 1];
            lattice->vortex_y2[k][1] = edges[k];
            circulation[k] = gamma(0.5 * (edges[k - 1] + edges[k]));
        }
        lattice->span_count[1] = static_cast<int32_t>(edges.size() - 1);
        lattice->panel_count = lattice->span_count[1];
    }
    double UpwashAt(double x) const { return AxisUpwash(*lattice, 1, circulation, x, 0.0); }
};

// A horseshoe of unit circulation over y = −1..1 (a root strip and its image), seen
// from the axis at x: w = −(1/4π) [2b / (x √(x² + b²)) + (2/b)(1 + x / √(x² + b²))].
double HorseshoeAt(double x) {
    const HandLattice hand({0.0, 1.0}, [](double) { return 1.0; });
    return hand.UpwashAt(x);
}
double HorseshoeClosedForm(double x) {
    const double r = std::sqrt(x * x + 1.0);
    return -(2.0 / (x * r) + 2.0 * (1.0 + x / r)) / (4.0 * std::numbers::pi);
}

// Far behind an elliptic loading Γ = √(1 − y²) (half-span 1, 250 cosine strips) the
// downwash is twice that at the wing: 2 CL / (π A) = 2 ΣΓ dy / π per unit α.
double EllipticFarBehind() {
    std::vector<double> edges;
    for (int i = 0; i <= 250; ++i) {
        edges.push_back(std::sin(std::numbers::pi / 2.0 * i / 250));
    }
    const HandLattice hand(edges, [](double y) { return std::sqrt(1.0 - y * y); });
    double lift = 0.0;
    for (size_t k = 1; k < edges.size(); ++k) {
        lift += hand.circulation[k] * (edges[k] - edges[k - 1]);
    }
    return hand.UpwashAt(1e6) / (-2.0 * lift / std::numbers::pi);
}

// Hand calculation: a cylinder 100 mm wide and 1000 mm long (f = 10, k2 − k1 =
// 0.9395) 19 m ahead of a rectangular wing of 2000 × 250 mm, where the upwash is
// below 0.1 %: Cm_α = π/2 × 0.9395 × 100² × 1000 / (500000 × 250) = 0.11806, and the
// shift −Cm_α / CL_α × 250 over the shift the code finds.
double CylinderShiftOverHand() {
    Aircraft aircraft = PreparedAircraft({Rectangle(1000, 250)});
    testing_support::PipelineRun run;
    EXPECT_EQ(run.Calculate(aircraft), PipelineOutcome::kCompleted);
    const Fuselage cylinder{{{-20000.0, 100.0}, {-19000.0, 100.0}}};
    auto scratch = std::make_unique<AnalysisData>();
    const AddedFigures added = ComputeAddedFigures(aircraft, *run.data, cylinder, *scratch, false);
    EXPECT_EQ(added.fuselage->lift_slope, run.results().wing_lift_slope[1]);
    const double hand = -0.11806 / run.results().wing_lift_slope[1] * 250.0;
    return added.fuselage->x_np_shift_mm / hand;
}

struct ClosedFormCase {
    const char* name;
    double (*computed)();
    double expected;
    double tolerance;
};

class FuselageClosedForms : public ::testing::TestWithParam<ClosedFormCase> {};

TEST_P(FuselageClosedForms, AgreeWithTheCode) {
    EXPECT_NEAR(GetParam().computed(), GetParam().expected, GetParam().tolerance);
}

// The solve scales by 0.0795775 for 1/4π: 3.6e-7 apart.
INSTANTIATE_TEST_SUITE_P(
    Cases, FuselageClosedForms,
    ::testing::Values(
        ClosedFormCase{"HorseshoeUpwashAhead", [] { return HorseshoeAt(-0.7); },
                       HorseshoeClosedForm(-0.7), 4e-7},
        ClosedFormCase{"HorseshoeDownwashBehind", [] { return HorseshoeAt(2.5); },
                       HorseshoeClosedForm(2.5), 4e-7},
        // The steps of 250 strips: 0.2 %.
        ClosedFormCase{"EllipticWingFarBehind", EllipticFarBehind, 1.0, 3e-3},
        // Lamb's table (Hydrodynamics, § 373): k2 − k1 for a/b = 2, 4, 6, 10, each
        // from two values rounded to three decimals.
        ClosedFormCase{"LambFineness2", [] { return LambFactor(2.0); }, 0.702 - 0.209, 1.5e-3},
        ClosedFormCase{"LambFineness4", [] { return LambFactor(4.0); }, 0.860 - 0.082, 1.5e-3},
        ClosedFormCase{"LambFineness6", [] { return LambFactor(6.0); }, 0.918 - 0.045, 1.5e-3},
        ClosedFormCase{"LambFineness10", [] { return LambFactor(10.0); }, 0.960 - 0.021, 1.5e-3},
        // A sphere has no Munk moment. Just off it the closed form would lose its
        // digits; the series, against the closed form in 50 decimal digits:
        ClosedFormCase{"LambSphere", [] { return LambFactor(1.0); }, 0.0, 1e-15},
        ClosedFormCase{"LambNearlyASphere", [] { return LambFactor(1.0001); },
                       8.999241496793494e-05, 1e-15},
        ClosedFormCase{"CylinderShiftByHand", CylinderShiftOverHand, 1.0, 2e-3}),
    [](const auto& param) { return std::string(param.param.name); });

// The start-up aircraft with a 40 mm root offset on the wing and 10 mm on the
// tailplane; and the same strips described without gaps, the centre sections as
// first trapezoids of their own.
std::vector<TestWing> GappedTrainer(bool described_without_gaps) {
    TestWing wing = Trapezoid(550, 310, 230, 30);
    TestWing tail = Trapezoid(100, 90, 70, 10);
    tail.x_mm = 800;
    tail.z_mm = 80;
    for (TestWing* surface : {&wing, &tail}) {
        const int32_t offset = surface == &wing ? 40 : 10;
        if (!described_without_gaps) {
            surface->inputs.root_offset = offset;
            continue;
        }
        WingInputs& inputs = surface->inputs;
        inputs.span = {offset, inputs.span[0], 0, 0};
        inputs.chord = {inputs.root_chord, inputs.chord[0], 0, 0};
        inputs.le_x = {0, inputs.le_x[0], 0, 0};
        surface->trapezoids = 2;
    }
    return {wing, tail};
}

TEST(CarriedThrough, IsTheLatticeOfTheSameStripsWithoutAGap) {
    Aircraft gapped = PreparedAircraft(GappedTrainer(false));
    testing_support::PipelineRun documented;
    ASSERT_EQ(documented.Calculate(gapped), PipelineOutcome::kCompleted);
    ASSERT_TRUE(HasRootGap(gapped));
    EXPECT_EQ(RootGapWidth(gapped, 1), 80.0);
    auto scratch = std::make_unique<AnalysisData>();
    const AddedFigures added =
        ComputeAddedFigures(gapped, *documented.data, Fuselage{}, *scratch, false);
    ASSERT_TRUE(added.carried_through);
    ASSERT_EQ(added.carried_through->outcome, PipelineOutcome::kCompleted);

    Aircraft closed = PreparedAircraft(GappedTrainer(true));
    testing_support::PipelineRun by_hand;
    ASSERT_EQ(by_hand.Calculate(closed), PipelineOutcome::kCompleted);
    const Results& carried = added.carried_through->results;
    EXPECT_EQ(scratch->lattice.panel_count, by_hand.data->lattice.panel_count);
    EXPECT_EQ(carried.ref_area, by_hand.results().ref_area);
    EXPECT_EQ(carried.ref_length, by_hand.results().ref_length);
    EXPECT_EQ(carried.x_np, by_hand.results().x_np);
    EXPECT_EQ(added.carried_through->x_np_shift_mm, carried.x_np - documented.results().x_np);
    // The root vortices gone, the tailplane sees the wing's downwash: x_np moves forward.
    EXPECT_LT(carried.x_np, documented.results().x_np);
}

TEST(CarriedThrough, TakesAFifthTrapezoidBesideFour) {
    TestWing wing;
    wing.trapezoids = 4;
    wing.inputs = DefaultWingInputs(1);
    wing.inputs.root_offset = 30;
    Aircraft gapped = PreparedAircraft({wing});
    const Aircraft carried = CarriedThroughAircraft(gapped);
    EXPECT_EQ(carried.station_count[1], kMaxPlanStations);
    EXPECT_EQ(carried.wing_s[1], gapped.wing_s[1] + 2.0 * 30.0 * carried.plan_c[0][1]);
    testing_support::PipelineRun run;
    EXPECT_EQ(run.Calculate(gapped), PipelineOutcome::kCompleted);
    auto scratch = std::make_unique<AnalysisData>();
    EXPECT_EQ(SolveCarriedThrough(gapped, run.results(), *scratch, run.data->workers).outcome,
              PipelineOutcome::kCompleted);
}

// bench/data/three_large_surfaces.da4: three surfaces of 1500 mm chord 30 to 80 mm
// apart in height, more closely than the lattice resolves.
std::vector<TestWing> ThreeLargeSurfaces() {
    TestWing wing;
    wing.trapezoids = 3;
    wing.inputs.root_chord = 1500;
    wing.inputs.span = {500, 10, 600, 0};
    wing.inputs.chord = {1500, 200, 200, 0};
    TestWing tail = wing;
    tail.x_mm = 800;
    tail.z_mm = 80;
    TestWing canard = wing;
    canard.x_mm = -600;
    canard.z_mm = 30;
    return {wing, tail, canard};
}

// The corpus's start-up aircraft (changes of 0.3 and 0.4 %) and three large surfaces
// (27.9 %).
TEST(LatticeCaution, ShownOnlyWhereTheAnswerDependsOnTheLattice) {
    for (const bool fragile : {false, true}) {
        SCOPED_TRACE(fragile);
        Aircraft aircraft = fragile ? PreparedAircraft(ThreeLargeSurfaces()) : DefaultAircraft(2);
        testing_support::PipelineRun run;
        ASSERT_EQ(run.Calculate(aircraft), PipelineOutcome::kCompleted);
        auto scratch = std::make_unique<AnalysisData>();
        const AddedFigures added = ComputeAddedFigures(aircraft, *run.data, Fuselage{}, *scratch);
        ASSERT_TRUE(added.caution && added.caution->measured);
        EXPECT_EQ(added.caution->shown, fragile) << added.caution->x_np_change_percent;
        EXPECT_LT(added.caution->panel_count, run.data->lattice.panel_count * 4 / 10);
        EXPECT_FALSE(added.carried_through);
    }
}

}  // namespace
}  // namespace kalvesta
