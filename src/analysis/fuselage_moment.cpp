// Munk's moment in Multhopp's strips, with the flow angle from the solved lattice.
#include "analysis/fuselage_moment.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/influence.h"
#include "analysis/solver.h"
#include "analysis/stability.h"
#include "model/check.h"

namespace kalvesta {
namespace {

// Below this eccentricity the closed forms lose their digits to cancellation and
// the series in e² take over (ten terms reach 1e-20 there).
constexpr double kSeriesEccentricity = 0.1;
constexpr int kSeriesTerms = 10;

// Strip boundaries closer than this share of the length are taken as one.
constexpr double kSameBoundary = 1e-9;

// Lamb's α0 and β0 of a prolate spheroid of fineness f.
struct LambIntegrals {
    double alpha0 = 0.0;
    double beta0 = 0.0;
};

LambIntegrals IntegralsOf(double fineness) {
    // 1 − e² = 1/f² taken as it stands: for a long body e lies close to 1.
    const double one_minus_e2 = 1.0 / (fineness * fineness);
    const double e = std::sqrt(1.0 - one_minus_e2);
    LambIntegrals integrals;
    if (e < kSeriesEccentricity) {
        // atanh(e) − e = Σ e^(2n+1) / (2n + 1), n ≥ 1:
        // α0 = 2 (1 − e²) Σ e^(2n−2) / (2n + 1), β0 = Σ 2 e^(2n−2) / ((2n − 1)(2n + 1)).
        double power = 1.0;
        for (int n = 1; n <= kSeriesTerms; ++n) {
            integrals.alpha0 += power / (2 * n + 1);
            integrals.beta0 += 2.0 * power / ((2 * n - 1) * (2 * n + 1));
            power *= e * e;
        }
        integrals.alpha0 *= 2.0 * one_minus_e2;
        return integrals;
    }
    // L/2 = atanh(e) = ln(f (1 + e)), since (1 + e) / (1 − e) = f² (1 + e)².
    const double half_l = std::log(fineness * (1.0 + e));
    const double e3 = e * e * e;
    integrals.alpha0 = 2.0 * one_minus_e2 / e3 * (half_l - e);
    integrals.beta0 = 1.0 / (e * e) - one_minus_e2 / e3 * half_l;
    return integrals;
}

// Whether x lies on a surface's root chord, where the surface carries the fuselage.
bool OnRootChord(const Aircraft& aircraft, double x_mm) {
    for (size_t w = 1; w <= static_cast<size_t>(aircraft.calc_wing_count); ++w) {
        const double leading = aircraft.plan_x[0][w];
        if (x_mm >= leading && x_mm <= leading + aircraft.plan_c[0][w]) {
            return true;
        }
    }
    return false;
}

// The strip boundaries: the stations, the ends of every root chord on the fuselage
// and kFuselageStripCount equal steps of its length, in order, each once.
std::vector<double> StripBoundaries(const Fuselage& fuselage, const Aircraft& aircraft) {
    const double nose = fuselage.stations.front().x_mm;
    const double tail = fuselage.stations.back().x_mm;
    const double length = tail - nose;
    std::vector<double> x;
    for (const FuselageStation& station : fuselage.stations) {
        x.push_back(station.x_mm);
    }
    for (int i = 1; i < kFuselageStripCount; ++i) {
        x.push_back(nose + length * i / kFuselageStripCount);
    }
    for (size_t w = 1; w <= static_cast<size_t>(aircraft.calc_wing_count); ++w) {
        for (const double end :
             {aircraft.plan_x[0][w], aircraft.plan_x[0][w] + aircraft.plan_c[0][w]}) {
            if (end > nose && end < tail) {
                x.push_back(end);
            }
        }
    }
    std::sort(x.begin(), x.end());
    const double same = kSameBoundary * length;
    x.erase(std::unique(x.begin(), x.end(), [same](double a, double b) { return b - a <= same; }),
            x.end());
    return x;
}

}  // namespace

double LambFactor(double fineness) {
    KALVESTA_CHECK(fineness >= 1.0);
    const LambIntegrals integrals = IntegralsOf(fineness);
    const double k1 = integrals.alpha0 / (2.0 - integrals.alpha0);
    const double k2 = integrals.beta0 / (2.0 - integrals.beta0);
    return k2 - k1;
}

double AxisUpwash(const Lattice& lattice, int calc_wing_count, const PerPanelNumber& circulation,
                  double x_mm, double z_mm) {
    KALVESTA_CHECK(calc_wing_count >= 0 && calc_wing_count <= kMaxWings);
    double sum = 0.0;
    size_t p = 0;
    for (size_t w = 1; w <= static_cast<size_t>(calc_wing_count); ++w) {
        const double dz = z_mm - lattice.surface_z[w];
        for (size_t k = 1; k <= static_cast<size_t>(lattice.span_count[w]); ++k) {
            const double y1 = lattice.vortex_y1[k][w];
            const double y2 = lattice.vortex_y2[k][w];
            for (size_t m = 1; m <= static_cast<size_t>(lattice.chord_count[w]); ++m) {
                ++p;
                KALVESTA_CHECK(p <= static_cast<size_t>(kPanelCapacity));
                const double dx1 = x_mm - lattice.vortex_x1[m][k][w];
                const double dx2 = x_mm - lattice.vortex_x2[m][k][w];
                // The horseshoe, and its mirror image traversed from E2' to E1'; the
                // point lies on y = 0.
                const double direct = INDU({dx1, -y1, dz}, {dx2, -y2, dz});
                const double image = INDU({dx2, y2, dz}, {dx1, y1, dz});
                sum += circulation[p] * (direct + image);
            }
        }
    }
    // The influence coefficients hold 4π times the velocity, as the solve scaled them.
    return kOneOverFourPi * sum;
}

FuselageMoment ComputeFuselageMoment(const Fuselage& fuselage, const CarriedThrough& carried,
                                     const Lattice& lattice, const PerPanelNumber& circulation) {
    KALVESTA_CHECK(CheckOutline(fuselage).problem == OutlineProblem::kNone &&
                   fuselage.Described() && HasResults(carried.outcome));
    const Aircraft& aircraft = carried.aircraft;
    const Results& figures = carried.results;
    FuselageMoment moment;
    moment.size = SizeOf(fuselage);
    moment.k2_minus_k1 = LambFactor(moment.size.fineness);

    // The axis at Wing-1's height, as the lattice lays it.
    const double axis_z = lattice.surface_z[1];
    const std::vector<double> x = StripBoundaries(fuselage, aircraft);
    double sum = 0.0;  // Σ w² (1 + dε_u/dα) dx, mm³
    for (size_t i = 1; i < x.size(); ++i) {
        const double middle = 0.5 * (x[i - 1] + x[i]);
        if (OnRootChord(aircraft, middle)) {
            continue;
        }
        // No station lies inside the strip, so the width runs linearly over it:
        // ∫w² dx = dx (wa² + wa wb + wb²) / 3.
        const double wa = WidthAt(fuselage, x[i - 1]);
        const double wb = WidthAt(fuselage, x[i]);
        FuselageStrip strip;
        strip.x_mm = middle;
        strip.dx_mm = x[i] - x[i - 1];
        strip.width_mm = std::sqrt((wa * wa + wa * wb + wb * wb) / 3.0);
        strip.flow_factor =
            1.0 + AxisUpwash(lattice, aircraft.calc_wing_count, circulation, middle, axis_z);
        sum += strip.width_mm * strip.width_mm * strip.flow_factor * strip.dx_mm;
        moment.strips.push_back(strip);
    }

    // The aircraft's lift slope on the reference area: Σ a_w s_w / S.
    double lift = 0.0;
    for (size_t w = 1; w <= static_cast<size_t>(aircraft.calc_wing_count); ++w) {
        lift += figures.wing_lift_slope[w] * figures.wing_s[w];
    }
    moment.lift_slope = lift / figures.ref_area;
    moment.cm_alpha =
        std::numbers::pi / 2.0 * moment.k2_minus_k1 / (figures.ref_area * figures.ref_length) * sum;
    moment.x_np_shift_mm = -moment.cm_alpha / moment.lift_slope * figures.ref_length;

    moment.results = figures;
    moment.results.x_np = figures.x_np + moment.x_np_shift_mm;
    ComputeStability(aircraft.calc_wing_count, figures.stability_manual, moment.results);
    return moment;
}

}  // namespace kalvesta
