// The lift along the span and the tail volume, from solved lattices: the strips'
// loads integrate back to each surface's lift slope and the elliptic load carries
// the same lift; the highest local lift lies at the root of a rectangular wing and
// towards the tips of tapered and swept ones; the start-up aircraft's tail volume
// against a hand calculation.
#include "analysis/span_loading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <ostream>
#include <string>

#include "analysis/tail_volume.h"
#include "support/pipeline_run.h"
#include "test_aircraft.h"

namespace kalvesta {
namespace {

using testing_support::DefaultAircraft;
using testing_support::PreparedAircraft;
using testing_support::Trapezoid;

struct LoadingCase {
    const char* name;
    Aircraft aircraft;
    StallStart wing1_stall;
    friend void PrintTo(const LoadingCase& c, std::ostream* out) { *out << c.name; }
};

class SpanLoadingTest : public ::testing::TestWithParam<LoadingCase> {};

TEST_P(SpanLoadingTest, LoadsIntegrateToTheLiftSlopeAndPeakWhereTheoryPutsThem) {
    Aircraft aircraft = GetParam().aircraft;
    testing_support::PipelineRun run;
    ASSERT_EQ(run.Calculate(aircraft), PipelineOutcome::kCompleted) << run.data->memo.Text(Catalogue());
    const Results& results = run.results();
    const SpanLoading loading =
        ComputeSpanLoading(aircraft, run.data->lattice, run.data->solution.circulation, results);
    ASSERT_EQ(loading.wing_count, aircraft.calc_wing_count);
    for (size_t w = 1; w <= static_cast<size_t>(loading.wing_count); ++w) {
        SCOPED_TRACE(w);
        const SurfaceLoading& surface = loading.wings[w];
        ASSERT_EQ(surface.strips.size(), static_cast<size_t>(run.data->lattice.span_count[w]));
        // ∫ load dy over both halves × c_ref · CL_α / S = the surface's lift slope.
        double load_integral = 0.0;
        for (const LoadStrip& strip : surface.strips) {
            load_integral += 2.0 * strip.load * strip.dy_mm;
        }
        const double lift_slope =
            load_integral * results.ref_length * loading.lift_slope / results.wing_s[w];
        EXPECT_NEAR(lift_slope, results.wing_lift_slope[w], 1e-12 * results.wing_lift_slope[w]);
        // The elliptic load of the same span carries the same lift: midpoint sum over
        // the span in cos-spaced steps, which resolve the steep ends.
        constexpr int kSteps = 20000;
        double elliptic = 0.0;
        for (int i = 0; i < kSteps; ++i) {
            const double t0 = std::numbers::pi * i / kSteps;
            const double t1 = std::numbers::pi * (i + 1) / kSteps;
            const double y0 = -0.5 * surface.span_mm * std::cos(t0);
            const double y1 = -0.5 * surface.span_mm * std::cos(t1);
            elliptic += EllipticLoad(surface, 0.5 * (y0 + y1)) * (y1 - y0);
        }
        EXPECT_NEAR(elliptic, surface.load_integral_mm, 1e-6 * surface.load_integral_mm);
    }
    EXPECT_EQ(loading.wings[1].stall_start, GetParam().wing1_stall)
        << "peak at " << loading.wings[1].peak_fraction << " of the half-span";
}

INSTANTIATE_TEST_SUITE_P(
    Wings, SpanLoadingTest,
    ::testing::Values(
        // Aspect ratio 8: the trailing vortices unload the tips most.
        LoadingCase{"Rectangle", PreparedAircraft({Trapezoid(400, 100, 100)}), StallStart::kRoot},
        // Taper 0.3: the small tip chords carry a load close to the root's.
        LoadingCase{"Tapered", PreparedAircraft({Trapezoid(500, 200, 60, 100)}), StallStart::kTips},
        // Constant chord swept back 51 degrees: the outer wing works in the inner
        // wing's upwash, and the peak moves out to 64 % of the half-span.
        LoadingCase{"Swept", PreparedAircraft({Trapezoid(400, 100, 100, 500)}), StallStart::kTips},
        LoadingCase{"StartUpThreeWings", DefaultAircraft(3), StallStart::kMidSpan}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(TailVolume, StartUpAircraftAgainstAHandCalculation) {
    Aircraft aircraft = DefaultAircraft(2);
    testing_support::PipelineRun run;
    ASSERT_EQ(run.Calculate(aircraft), PipelineOutcome::kCompleted);
    // Wing-1: 2 × 550 × (310 + 230) / 2 = 297000 mm²; lm = 2 ∫c² dy / S with
    // ∫c² dy = 550 (310² − 310 · 80 + 80² / 3) = 40388333.3, so lm = 271.975 mm.
    // Wing-2: 2 × 100 × (90 + 70) / 2 = 16000 mm². The aerodynamic centres are the
    // lattice's: 77.3611 and 822.7064 mm (the report's x_ac), l_t = 745.3453 mm.
    // V = 16000 × 745.3453 / (297000 × 271.9753) = 0.147636.
    const std::optional<double> volume = TailVolume(run.results(), 2);
    ASSERT_TRUE(volume.has_value());
    EXPECT_NEAR(*volume, 0.147636, 1e-6);
    EXPECT_EQ(RateTailVolume(*volume), TailVolumeRating::kBelowTypical);
    EXPECT_FALSE(TailVolume(run.results(), 1).has_value());
    EXPECT_FALSE(TailVolume(run.results(), 3).has_value());  // not in the calculation
}

}  // namespace
}  // namespace kalvesta
