// Decimal text of doubles on std::to_chars and std::from_chars, or on printf and
// strtod under the "C" locale where the standard library lacks the former.
#include "model/decimal_text.h"

#include <locale.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace kalvesta {
namespace {

// The extent of the number at the start of `text` in from_chars's grammar, and
// whether a digit of its mantissa is not zero.
struct Numeral {
    size_t length = 0;
    bool nonzero = false;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

Numeral ScanNumeral(std::string_view text) {
    Numeral numeral;
    size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
    size_t digits = 0;
    const auto take_digits = [&] {
        for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
            numeral.nonzero = numeral.nonzero || text[i] != '0';
        }
    };
    take_digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        take_digits();
    }
    if (digits == 0) {
        return Numeral{};
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        j += j < text.size() && (text[j] == '+' || text[j] == '-') ? 1 : 0;
        if (j < text.size() && IsDigit(text[j])) {
            for (i = j; i < text.size() && IsDigit(text[i]); ++i) {
            }
        }
    }
    numeral.length = i;
    return numeral;
}

// The number at the start of `text` (ScanNumeral), its value and error from
// `convert`, which is given the numeral's text and whether it is nonzero.
template <class Convert>
DecimalRead ReadNumeral(std::string_view text, Convert convert) {
    const Numeral numeral = ScanNumeral(text);
    DecimalRead read;
    read.length = numeral.length;
    if (numeral.length > 0) {
        const auto [error, value] = convert(text.substr(0, numeral.length), numeral.nonzero);
        read.error = error;
        read.value = error == std::errc{} ? value : 0.0;
    }
    return read;
}

// The calling thread works in the "C" locale while this lives, so that printf
// writes and strtod reads "." as the decimal point.
class CLocaleScope {
public:
    CLocaleScope() : previous_(::uselocale(CLocale())) {}
    ~CLocaleScope() { ::uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t CLocale() {
        static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
        return c;
    }
    locale_t previous_;
};

// printf of one double with a precision, e.g. Printf("%.*f", 2, 1.005).
std::string Printf(const char* format, int precision, double value) {
    const CLocaleScope c_locale;
    const int length = std::snprintf(nullptr, 0, format, precision, value);
    std::string text(static_cast<size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, precision, value);
    return text;
}

// A decimal number digits × 10^scale.
struct Decimal {
    uint64_t digits = 0;
    int scale = 0;
};

double ReadBack(Decimal decimal) {
    const std::string text = std::to_string(decimal.digits) + "e" + std::to_string(decimal.scale);
    const CLocaleScope c_locale;
    return std::strtod(text.c_str(), nullptr);
}

uint64_t PowerOfTen(int exponent) {
    uint64_t power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

// `decimal`, the shortest decimal of `value`, as to_chars writes it: the fixed
// notation ("0.00012", "1200") unless the scientific one ("1e-07", "1.5e+22": at
// least two exponent digits) is shorter. A whole number in fixed notation has the
// value's exact digits ("1041475150959596273664", not "...300000": as long).
std::string ShortestLayout(double value, Decimal decimal) {
    while (decimal.digits % 10 == 0) {
        decimal.digits /= 10;
        ++decimal.scale;
    }
    const std::string digits = std::to_string(decimal.digits);
    // value = 0.digits × 10^point
    const int point = decimal.scale + static_cast<int>(digits.size());
    const int exponent = point - 1;
    // Built by appending: GCC 12 warns falsely (-Wrestrict) about chains of
    // string concatenation here.
    std::string scientific = digits.substr(0, 1);
    if (digits.size() > 1) {
        scientific += '.';
        scientific.append(digits, 1);
    }
    scientific += exponent < 0 ? "e-" : "e+";
    if (std::abs(exponent) < 10) {
        scientific += '0';
    }
    scientific += std::to_string(std::abs(exponent));

    std::string fixed;
    if (decimal.scale >= 0) {
        fixed = Printf("%.*f", 0, std::fabs(value));
    } else if (point > 0) {
        const auto whole = static_cast<size_t>(point);
        fixed = digits.substr(0, whole) + "." + digits.substr(whole);
    } else {
        fixed = "0." + std::string(static_cast<size_t>(-point), '0') + digits;
    }
    return (value < 0 ? "-" : "") + (fixed.size() <= scientific.size() ? fixed : scientific);
}

}  // namespace

namespace c_library {

std::string DecimalFixed(double value, int decimals) {
    return Printf("%.*f", decimals, value);
}

std::string DecimalSignificant(double value, int digits) {
    return Printf("%.*g", digits, value);
}

// For n = 1, 2, ... digits the two n-digit decimals around |value| (printf's
// correctly rounded one and its neighbour on the other side of the value); the
// first of them that reads back as the value is the shortest, and of two the
// nearer, which is printf's. Seventeen digits always read back.
std::string DecimalShortest(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return std::signbit(value) && value == 0.0 ? "-0" : Printf("%.*g", 1, value);
    }
    const double magnitude = std::fabs(value);
    for (int n = 1;; ++n) {
        // "d.ddde±x": n digits, the first at 10^x.
        const std::string text = Printf("%.*e", n - 1, magnitude);
        const size_t e = text.find('e');
        std::string digits = text.substr(0, e);
        digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
        const Decimal nearest{std::stoull(digits), std::stoi(text.substr(e + 1)) - (n - 1)};
        const double read = ReadBack(nearest);
        if (read == magnitude || n == 17) {
            return ShortestLayout(value, nearest);
        }
        // Below a power of ten the n-digit steps are ten times finer.
        const bool lowest = nearest.digits == PowerOfTen(n - 1);
        const Decimal other = read < magnitude ? Decimal{nearest.digits + 1, nearest.scale}
                              : lowest         ? Decimal{PowerOfTen(n) - 1, nearest.scale - 1}
                                               : Decimal{nearest.digits - 1, nearest.scale};
        if (ReadBack(other) == magnitude) {
            return ShortestLayout(value, other);
        }
    }
}

DecimalRead ReadDecimal(std::string_view text) {
    return ReadNumeral(text, [](std::string_view numeral, bool nonzero) {
        const std::string number(numeral);
        const CLocaleScope c_locale;
        const double value = std::strtod(number.c_str(), nullptr);
        const bool beyond = std::isinf(value) || (value == 0.0 && nonzero);
        return std::pair(beyond ? std::errc::result_out_of_range : std::errc{}, value);
    });
}

}  // namespace c_library

#if defined(__cpp_lib_to_chars)

namespace {

// to_chars in `format` with `precision`, room for any double (309 integer digits).
std::string ToChars(double value, std::chars_format format, int precision) {
    std::string text(static_cast<size_t>(std::max(precision, 0)) + 312, '\0');
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
    text.resize(static_cast<size_t>(result.ptr - text.data()));
    return text;
}

}  // namespace

std::string DecimalFixed(double value, int decimals) {
    return ToChars(value, std::chars_format::fixed, decimals);
}

std::string DecimalShortest(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string DecimalSignificant(double value, int digits) {
    return ToChars(value, std::chars_format::general, digits);
}

DecimalRead ReadDecimal(std::string_view text) {
    return ReadNumeral(text, [](std::string_view numeral, bool) {
        double value = 0.0;
        const auto result = std::from_chars(numeral.data(), numeral.data() + numeral.size(), value);
        return std::pair(result.ec, value);
    });
}

#else

std::string DecimalFixed(double value, int decimals) {
    return c_library::DecimalFixed(value, decimals);
}

std::string DecimalShortest(double value) {
    return c_library::DecimalShortest(value);
}

std::string DecimalSignificant(double value, int digits) {
    return c_library::DecimalSignificant(value, digits);
}

DecimalRead ReadDecimal(std::string_view text) {
    return c_library::ReadDecimal(text);
}

#endif

}  // namespace kalvesta
