// Richardson extrapolation over three lattices.
#include "analysis/convergence.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalvesta {
namespace {

// Orders the lattice's neutral point shows where it converges: 0.8 to 3 on the
// aircraft measured (a swept flying wing the lowest), up to 6 where an error that
// changes sign is about to cross zero. Below 0.5 a step says little about the
// distance left; above 6 the last step is more likely a chance crossing.
constexpr double kLowestOrder = 0.5;
constexpr double kHighestOrder = 6.0;
// The uncertainty is 1.25 times (the usual safety factor of a grid-convergence
// index on three lattices) the correction at the observed order, but at most
// order 1: the lattice's orders fall with the panel size (the start-up aircraft
// with three surfaces: 2.9 from 12 to 27 chordwise panels, 1.5 from 16 to 36),
// and the slowest measured, a swept flying wing's, is 0.9.
constexpr double kSafetyFactor = 1.25;
constexpr double kUncertaintyOrder = 1.0;

}  // namespace

ConvergenceEstimate EstimateLimit(const std::array<double, 3>& values, double ratio,
                                  double negligible_spread) {
    const auto [smallest, largest] = std::minmax({values[0], values[1], values[2]});
    const double d1 = values[1] - values[0];
    const double d2 = values[2] - values[1];

    ConvergenceEstimate estimate;
    estimate.value = values[2];
    estimate.uncertainty = largest - smallest;
    estimate.order = std::numeric_limits<double>::quiet_NaN();
    const bool shrinking =
        ((d1 > 0.0 && d2 > 0.0) || (d1 < 0.0 && d2 < 0.0)) && std::fabs(d2) < std::fabs(d1);
    if (shrinking) {
        // d1 / d2 = ratio^p for an error C h^p.
        estimate.order = std::log(d1 / d2) / std::log(ratio);
    }
    if (estimate.order >= kLowestOrder && estimate.order <= kHighestOrder) {
        // x = x2 + d2 / (ratio^p − 1).
        estimate.verdict = ConvergenceVerdict::kExtrapolated;
        estimate.value = values[2] + d2 / (std::pow(ratio, estimate.order) - 1.0);
        const double slowest = std::min(estimate.order, kUncertaintyOrder);
        estimate.uncertainty = kSafetyFactor * std::fabs(d2) / (std::pow(ratio, slowest) - 1.0);
    } else if (estimate.uncertainty <= negligible_spread) {
        // Without an order, the spread says little of the distance left (the
        // start-up aircraft with four trapezoids: 0.003 mm spread, 0.017 mm from
        // the limit): only the whole negligible spread is claimed.
        estimate.verdict = ConvergenceVerdict::kSettled;
        estimate.uncertainty = negligible_spread;
    } else {
        estimate.verdict = shrinking ? ConvergenceVerdict::kOrderOutOfRange
                                     : ConvergenceVerdict::kStepsDoNotShrink;
    }
    return estimate;
}

}  // namespace kalvesta
