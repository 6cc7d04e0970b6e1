// The one conversion from an input box's text to a 32-bit integer.
#pragma once

#include <cstdint>
#include <string_view>

namespace kalvesta {

// Leading blanks are skipped, an optional "+" or "-" follows, then decimal digits
// or hexadecimal digits after "$", "x", "X", "0x" or "0X". Text that is not a valid
// number gives the value of the digits before the first invalid character, without
// its sign ("-12a" gives 12); an empty text gives 0. Never reports an error.
//
// Beyond the 32-bit range the value saturates: a magnitude above 2147483647 gives
// 2147483647, or -2147483648 for a valid negative number ("-2147483648" is exact).
// This holds for decimal and hexadecimal digits alike, so "$FFFFFFFF" gives
// 2147483647 rather than wrapping round to -1.
int32_t TextToInt32(std::string_view text);

// What the conversion made of a text: the value, whether the text held a digit
// at all, whether the value was cut to the 32-bit range, and whether the whole
// text is a number (nothing invalid after the digits).
struct Int32Reading {
    int32_t value = 0;
    bool has_digits = false;
    bool saturated = false;
    bool whole = false;
};
Int32Reading ReadInt32(std::string_view text);

// |value| without overflow: the magnitude of -2147483648 saturates to 2147483647.
int32_t SaturatingAbs(int32_t value);

// a + b, saturated to the 32-bit range.
int32_t SaturatingAdd(int32_t a, int32_t b);

}  // namespace kalvesta
