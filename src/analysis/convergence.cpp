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
// Safety factor on Richardson's correction for an order observed on three
// lattices (the usual grid-convergence index).
constexpr double kSafetyFactor = 1.25;

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
        // x = x2 + d2 / (ratio^p − 1); at least the last step either side of it.
        estimate.verdict = ConvergenceVerdict::kExtrapolated;
        const double correction = d2 / (std::pow(ratio, estimate.order) - 1.0);
        estimate.value = values[2] + correction;
        estimate.uncertainty = std::max(kSafetyFactor * std::fabs(correction), std::fabs(d2));
    } else if (estimate.uncertainty <= negligible_spread) {
        estimate.verdict = ConvergenceVerdict::kSettled;
    } else {
        estimate.verdict = shrinking ? ConvergenceVerdict::kOrderOutOfRange
                                     : ConvergenceVerdict::kStepsDoNotShrink;
    }
    return estimate;
}

}  // namespace kalvesta
