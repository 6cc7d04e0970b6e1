// The margin box's conversion from text to a decimal number.
#pragma once

#include <optional>
#include <string_view>

namespace kalvesta {

// The margin box's text as a decimal number, whatever the locale: leading blanks,
// an optional sign, digits with an optional "." and fraction, an optional
// exponent ("e" or "E", optional sign, digits). The longest prefix of that form is
// converted and the rest ignored, so "7.5" gives 7.5, "7,5" gives 7, "1e" gives 1,
// and text with no digits (empty, "-", ".", "abc", "inf", "nan") gives 0. A value
// beyond the double range gives ±DBL_MAX, one below it ±0. Never fails.
double TextToDouble(std::string_view text);

// A measured position typed as text: TextToDouble, but only for text whose number
// has a digit (after blanks, a sign and a "."), since "abc" would silently read as
// 0 mm. Nothing otherwise.
std::optional<double> TextToMeasuredPosition(std::string_view text);

}  // namespace kalvesta
