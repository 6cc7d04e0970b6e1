// Number-to-text formatting for labels and drawings: fixed decimals, "." as the
// decimal separator whatever the locale, rounding to the stated decimals.
#pragma once

#include <string>

namespace kalvesta {

// value with `decimals` decimals, padded on the left with blanks to at least
// `width` characters; longer numbers are not cut. Non-finite values print as
// "NaN", "Inf" or "-Inf" (padded the same way) rather than as digits.
std::string FormatFixed(double value, int width, int decimals);

// value with `decimals` decimals and no padding ("-" for negatives, 0 decimals
// gives no decimal point).
std::string FormatFixed(double value, int decimals);

// The shortest text that reads back as the same double ("0.1", "1e-07", "-0"), for
// numbers a user typed and gets back; non-finite values as for FormatFixed.
std::string FormatShortest(double value);

// A whole number right-aligned in a field of `width` characters ("-130", " 310",
// "12345").
std::string FormatInt(long long value, int width);

}  // namespace kalvesta
