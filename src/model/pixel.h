// Real-to-pixel conversions. Each drawing says which one it uses; both are defined
// for every double: NaN gives 0, and values beyond the 32-bit range (infinities
// included) clamp to the nearest 32-bit integer.
#pragma once

#include <cstdint>

namespace kalvesta {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
int32_t RoundHalfEven(double value);

// Truncation toward zero (2.7 -> 2, -2.7 -> -2).
int32_t TruncToward0(double value);

}  // namespace kalvesta
