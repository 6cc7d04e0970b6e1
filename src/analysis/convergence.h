// The limit of a figure computed on three lattices whose panels shrink by a fixed
// ratio: Richardson extrapolation with the order the three values show, and an
// uncertainty from the last steps.
#pragma once

#include <array>

namespace kalvesta {

// Whether the sequence is taken as converged, and why.
enum class ConvergenceVerdict {
    kExtrapolated,      // the steps shrink at a sane order: Richardson's estimate
    kSettled,           // the three values agree within the negligible spread
    kStepsDoNotShrink,  // a step changes sign or is not smaller than the one before
    kOrderOutOfRange,   // the steps shrink, but at an order outside 0.5 to 6
    kSurfacesTooClose,  // (the refined-lattice check's) two surfaces lie closer than
                        // the coarsest lattice's panels, which cannot resolve them
};

constexpr bool IsConverged(ConvergenceVerdict verdict) {
    return verdict == ConvergenceVerdict::kExtrapolated || verdict == ConvergenceVerdict::kSettled;
}

struct ConvergenceEstimate {
    ConvergenceVerdict verdict = ConvergenceVerdict::kStepsDoNotShrink;
    // Converged: the estimate of the limit and its uncertainty (±; settled, the
    // negligible spread). Otherwise the finest lattice's value and the spread of
    // the three values.
    double value = 0.0;
    double uncertainty = 0.0;
    // The order p the steps show, d1 / d2 = ratio^p; NaN when they do not shrink.
    double order = 0.0;
};

// `values` from the coarsest lattice to the finest, each lattice's panels `ratio`
// times smaller than the previous one's. Taken as settled when the three values
// lie within `negligible_spread` of each other and the order is not sane.
ConvergenceEstimate EstimateLimit(const std::array<double, 3>& values, double ratio,
                                  double negligible_spread);

}  // namespace kalvesta
