// Integer pixel arithmetic for the views: sums and differences of pixel positions
// are formed in 64 bits and saturate at the 32-bit limits, so that extreme inputs
// give clamped coordinates instead of overflowing.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kalvesta {

inline int SaturateToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                std::numeric_limits<int32_t>::max()));
}

// a + b, saturated.
inline int PixelSum(int64_t a, int64_t b) {
    return SaturateToInt(a + b);
}

}  // namespace kalvesta
