// Pixel rounding helpers, clamped so that no conversion is ever undefined.
#include "model/pixel.h"

#include <cmath>
#include <limits>

namespace kalvesta {
namespace {

constexpr double kMin = static_cast<double>(std::numeric_limits<int32_t>::min());
constexpr double kMax = static_cast<double>(std::numeric_limits<int32_t>::max());

int32_t ClampToInt32(double whole) {
    if (std::isnan(whole)) {
        return 0;
    }
    if (whole <= kMin) {
        return std::numeric_limits<int32_t>::min();
    }
    if (whole >= kMax) {
        return std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(whole);
}

}  // namespace

int32_t RoundHalfEven(double value) {
    // nearbyint honours the current rounding mode, which is round-to-nearest-even
    // unless someone changed it; std::round would round halves away from zero.
    const double whole = std::nearbyint(value);
    return ClampToInt32(whole);
}

int32_t TruncToward0(double value) {
    return ClampToInt32(std::trunc(value));
}

}  // namespace kalvesta
