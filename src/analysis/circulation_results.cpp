// Lift slopes, aerodynamic centres, reference surface and neutral point from the
// solved circulation (WIRBEL_ERG).
#include "analysis/circulation_results.h"

#include <cmath>

#include "analysis/messages.h"
#include "model/check.h"

namespace kalvesta {
namespace {

// Half-span extent of surface w's lattice: tip edge minus root edge.
double Extent(const Lattice& lattice, size_t w) {
    const auto tip = static_cast<size_t>(lattice.span_count[w]);
    return lattice.vortex_y2[tip][w] - lattice.vortex_y1[1][w];
}

}  // namespace

bool WIRBEL_ERG(const Aircraft& aircraft, const Lattice& lattice, const PerPanelNumber& circulation,
                Results& results, Memo& memo) {
    const int wings = aircraft.calc_wing_count;
    KALVESTA_CHECK(wings >= 0 && wings <= kMaxWings);
    for (size_t w = 1; w <= kMaxWings; ++w) {
        results.wing_b[w] = 0.0;
        results.wing_s[w] = 0.0;
        results.wing_lm[w] = 0.0;
        results.wing_lam[w] = 0.0;
        results.wing_lift_slope[w] = 0.0;
        results.wing_x_ac[w] = 0.0;
    }
    double total_lift = 0.0;
    double total_moment = 0.0;
    size_t p = 0;
    bool refused = false;

    for (size_t w = 1; w <= static_cast<size_t>(wings); ++w) {
        const auto n = static_cast<size_t>(lattice.chord_count[w]);
        const auto strips = static_cast<size_t>(lattice.span_count[w]);
        KALVESTA_CHECK(n <= kMaxChordCount && strips <= kMaxSpanCount);
        KALVESTA_CHECK(p + n * strips <= kPanelCapacity);
        double wing_lift = 0.0;
        double wing_moment = 0.0;
        double chord_sq = 0.0;
        double& area = results.wing_s[w];
        for (size_t k = 1; k <= strips; ++k) {
            const double dy = lattice.vortex_y2[k][w] - lattice.vortex_y1[k][w];
            double strip_lift = 0.0;
            for (size_t m = 1; m <= n; ++m) {
                ++p;
                // Kutta-Joukowski per half, per unit dynamic pressure: L = 2 Γ dy.
                const double lift = 2.0 * circulation[p] * dy;
                strip_lift = strip_lift + lift;
                const double xm = (lattice.vortex_x1[m][k][w] + lattice.vortex_x2[m][k][w]) * 0.5;
                total_moment = total_moment - 2.0 * lift * xm;
                wing_moment = wing_moment - 2.0 * lift * xm;
            }
            // Chord running linearly from c1 to c2 over dy, d = c1 − c2:
            // ∫c² dy = (c1² − c1 d + d²/3) dy.
            const double c1 = lattice.grid_x1[n + 1][k][w] - lattice.grid_x1[1][k][w];
            const double c2 = lattice.grid_x2[n + 1][k][w] - lattice.grid_x2[1][k][w];
            const double d = c1 - c2;
            chord_sq = chord_sq + (c1 * c1 - c1 * d + d * d / 3.0) * dy;
            area = area + (c1 + c2) * dy;  // both halves
            wing_lift = wing_lift + 2.0 * strip_lift;
        }
        if (!(area > 0.0)) {
            // GRID never passes a surface without area; a lattice without it has
            // neither chord nor lift to speak of.
            ReportSurfaceRefusal(memo, static_cast<int>(w), TextId::kAnalysisNoArea);
            area = 0.0;
            refused = true;
            continue;
        }
        results.wing_lm[w] = 2.0 * chord_sq / area;
        results.wing_b[w] = 2.0 * lattice.grid_y2[strips][w];
        results.wing_lam[w] = results.wing_b[w] * results.wing_b[w] / area;

        const double lift_slope = wing_lift / area;
        // Pitching-moment derivative about x = 0 on the surface's own area and chord.
        const double cm = wing_moment / (area * results.wing_lm[w]);
        const double x_ac = -results.wing_lm[w] * cm / lift_slope;
        if (lift_slope == 0.0 || !std::isfinite(lift_slope) || !std::isfinite(x_ac)) {
            ReportSurfaceRefusal(memo, static_cast<int>(w), TextId::kAnalysisWingCarriesNoLift);
            refused = true;
            continue;
        }
        results.wing_lift_slope[w] = lift_slope;
        results.wing_x_ac[w] = x_ac;
        total_lift = total_lift + wing_lift;
    }

    // Reference surface: the largest half-span extent, then the larger area, then
    // the earlier surface.
    results.ref_length = results.wing_lm[1];
    results.ref_area = results.wing_s[1];
    double reference_extent = Extent(lattice, 1);
    for (size_t w = 2; w <= static_cast<size_t>(wings); ++w) {
        const double extent = Extent(lattice, w);
        if (extent > reference_extent ||
            (extent == reference_extent && results.wing_s[w] > results.ref_area)) {
            results.ref_length = results.wing_lm[w];
            results.ref_area = results.wing_s[w];
            reference_extent = extent;
        }
    }

    // Neutral point: lift-weighted mean x of every bound vortex.
    results.x_np = 0.0;
    if (refused) {
        return false;
    }
    const double x_np = 0.0 - total_moment / total_lift;
    if (total_lift == 0.0 || !std::isfinite(x_np)) {
        ReportAircraftRefusal(memo, TextId::kAnalysisAircraftCarriesNoLift);
        return false;
    }
    results.x_np = x_np;
    return true;
}

}  // namespace kalvesta
