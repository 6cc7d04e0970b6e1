// The margin box's text-to-number conversion, the same in every locale.
#include "model/text_to_double.h"

#include <algorithm>
#include <limits>

#include "model/decimal_text.h"

namespace kalvesta {
namespace {

constexpr double kMaxDouble = std::numeric_limits<double>::max();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

double TextToDouble(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t mantissa_begin = i;

    // Decimal exponent of the first significant digit, to tell an overflow from an
    // underflow should the value leave the double range.
    long long magnitude = 0;
    bool significant = false;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        significant = significant || text[i] != '0';
        magnitude += significant ? 1 : 0;
        ++digits;
        ++i;
    }
    magnitude = significant ? magnitude - 1 : 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            if (!significant) {
                magnitude -= 1;
                significant = text[i] != '0';
            }
            ++digits;
            ++i;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        bool exponent_negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent_negative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            long long exponent = 0;
            while (j < text.size() && IsDigit(text[j])) {
                exponent = std::min(exponent * 10 + (text[j] - '0'), 1000000LL);
                ++j;
            }
            magnitude += exponent_negative ? -exponent : exponent;
            i = j;
        }
    }

    // The prefix is a plain decimal number now, read the same way in every locale.
    const DecimalRead read = ReadDecimal(text.substr(mantissa_begin, i - mantissa_begin));
    double value = read.value;
    if (read.error == std::errc::result_out_of_range) {
        value = (significant && magnitude >= 0) ? kMaxDouble : 0.0;
    }
    return negative ? -value : value;
}

std::optional<double> TextToMeasuredPosition(std::string_view text) {
    size_t i = text.find_first_not_of(" \t");
    i = i == std::string_view::npos ? text.size() : i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
    }
    if (i >= text.size() || !IsDigit(text[i])) {
        return std::nullopt;
    }
    return TextToDouble(text);
}

}  // namespace kalvesta
