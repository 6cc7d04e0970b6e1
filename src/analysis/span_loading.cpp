// Spanwise loading per unit lift coefficient, from the strips' circulation.
#include "analysis/span_loading.h"

#include <cmath>
#include <numbers>

#include "model/check.h"

namespace kalvesta {
namespace {

// A value that a degenerate lattice made infinite or NaN, as 0.
double FiniteOr0(double value) {
    return std::isfinite(value) ? value : 0.0;
}

// The inner third, up to the middle, or the outer half, where the ailerons are.
StallStart StallStartAt(double fraction) {
    if (fraction < 1.0 / 3.0) {
        return StallStart::kRoot;
    }
    return fraction > 0.5 ? StallStart::kTips : StallStart::kMidSpan;
}

}  // namespace

SpanLoading ComputeSpanLoading(const Aircraft& aircraft, const Lattice& lattice,
                               const PerPanelNumber& circulation, const Results& results) {
    SpanLoading loading;
    loading.wing_count = aircraft.calc_wing_count;
    KALVESTA_CHECK(loading.wing_count >= 0 && loading.wing_count <= kMaxWings);
    // CL_α = Σ (lift slope × area) / S_ref over the surfaces.
    double aircraft_lift = 0.0;
    for (size_t w = 1; w <= static_cast<size_t>(loading.wing_count); ++w) {
        aircraft_lift = aircraft_lift + results.wing_lift_slope[w] * results.wing_s[w];
    }
    loading.lift_slope = FiniteOr0(aircraft_lift / results.ref_area);
    const double per_lift_coefficient = results.ref_length * loading.lift_slope;

    size_t p = 0;
    for (size_t w = 1; w <= static_cast<size_t>(loading.wing_count); ++w) {
        const auto n = static_cast<size_t>(lattice.chord_count[w]);
        const auto strips = static_cast<size_t>(lattice.span_count[w]);
        KALVESTA_CHECK(n <= kMaxChordCount && strips <= kMaxSpanCount);
        KALVESTA_CHECK(p + n * strips <= kPanelCapacity);
        SurfaceLoading& surface = loading.wings[w];
        surface.span_mm = results.wing_b[w];
        surface.strips.resize(strips);
        double highest = -HUGE_VAL;
        for (size_t k = 1; k <= strips; ++k) {
            LoadStrip& strip = surface.strips[k - 1];
            strip.dy_mm = lattice.vortex_y2[k][w] - lattice.vortex_y1[k][w];
            strip.y_mm = (lattice.vortex_y1[k][w] + lattice.vortex_y2[k][w]) * 0.5;
            const double c1 = lattice.grid_x1[n + 1][k][w] - lattice.grid_x1[1][k][w];
            const double c2 = lattice.grid_x2[n + 1][k][w] - lattice.grid_x2[1][k][w];
            strip.chord_mm = (c1 + c2) * 0.5;
            double circulation_sum = 0.0;
            for (size_t m = 1; m <= n; ++m) {
                circulation_sum = circulation_sum + circulation[++p];
            }
            const double section_lift = 2.0 * circulation_sum;  // c·cl_α
            strip.load = FiniteOr0(section_lift / per_lift_coefficient);
            strip.cl_per_CL = strip.chord_mm > 0.0
                                  ? FiniteOr0(section_lift / (strip.chord_mm * loading.lift_slope))
                                  : 0.0;
            surface.load_integral_mm = surface.load_integral_mm + 2.0 * strip.load * strip.dy_mm;
            if (strip.cl_per_CL > highest) {
                highest = strip.cl_per_CL;
                surface.peak_strip = k - 1;
            }
        }
        if (strips > 0) {
            surface.peak_y_mm = surface.strips[surface.peak_strip].y_mm;
            surface.peak_fraction = FiniteOr0(surface.peak_y_mm / (surface.span_mm * 0.5));
            surface.stall_start = StallStartAt(surface.peak_fraction);
        }
    }
    return loading;
}

double EllipticLoad(const SurfaceLoading& surface, double y_mm) {
    const double b = surface.span_mm;
    const double eta = 2.0 * y_mm / b;
    if (!(b > 0.0) || !(std::abs(eta) < 1.0)) {
        return 0.0;
    }
    return 4.0 * surface.load_integral_mm / (std::numbers::pi * b) * std::sqrt(1.0 - eta * eta);
}

}  // namespace kalvesta
