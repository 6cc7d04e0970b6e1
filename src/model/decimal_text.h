// Doubles to decimal text and back, "." whatever the locale: std::to_chars and
// std::from_chars where the standard library has them for floating point (their
// speed), else the C library's printf and strtod under the "C" locale (the
// WebAssembly build's library has no floating-point charconv). Both give the same
// characters and the same doubles; the tests compare them on many values.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace kalvesta {

// value with `decimals` decimals, correctly rounded (printf's "%.*f").
std::string DecimalFixed(double value, int decimals);

// The shortest text that reads back as the same double, as std::to_chars(value)
// gives it: fixed or scientific ("1e-07", "1e+22"), whichever is shorter, fixed on a
// tie; "-0" for negative zero.
std::string DecimalShortest(double value);

// value with `digits` significant digits, trailing zeros dropped (printf's "%.*g").
std::string DecimalSignificant(double value, int digits);

// What ReadDecimal found: the number's length in the text (0 when the text does
// not start with one) and its value when `error` is none.
struct DecimalRead {
    size_t length = 0;
    std::errc error = std::errc::invalid_argument;
    double value = 0.0;
};

// The decimal number at the start of `text`, as std::from_chars reads it: an
// optional "-", digits with an optional "." (at least one digit), an optional
// exponent ("e" or "E", an optional sign, digits), correctly rounded. No blanks,
// "+", hexadecimal, "inf" or "nan". A value beyond the double range, or a nonzero
// number that rounds to zero, is std::errc::result_out_of_range.
DecimalRead ReadDecimal(std::string_view text);

// The same four on printf and strtod alone, whatever the standard library offers;
// the functions above use them where it has no floating-point charconv.
namespace c_library {
std::string DecimalFixed(double value, int decimals);
std::string DecimalShortest(double value);
std::string DecimalSignificant(double value, int digits);
DecimalRead ReadDecimal(std::string_view text);
}  // namespace c_library

}  // namespace kalvesta
