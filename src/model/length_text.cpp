// Checked length texts of the window's dialogs.
#include "model/length_text.h"

#include <cmath>
#include <limits>
#include <string>

#include "model/text_to_double.h"

namespace kalvesta {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Lower-case ASCII copy, to recognise "Inf" and "NaN" as typed.
std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// Skips a run of digits from `i`; returns how many there were.
size_t SkipDigits(std::string_view text, size_t& i) {
    const size_t begin = i;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i - begin;
}

}  // namespace

LengthText ParseLengthText(std::string_view text, double mm_per_unit) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return {0.0, LengthTextError::kEmpty};
    }
    std::string number(text);
    size_t i = 0;
    if (number[i] == '+' || number[i] == '-') {
        ++i;
    }
    const std::string word = Lower(std::string_view(number).substr(i));
    if (word == "inf" || word == "infinity" || word == "nan") {
        return {0.0, LengthTextError::kNotFinite};
    }
    size_t digits = SkipDigits(number, i);
    if (i < number.size() && (number[i] == '.' || number[i] == ',')) {
        number[i] = '.';
        ++i;
        digits += SkipDigits(number, i);
    }
    if (digits == 0) {
        return {0.0, LengthTextError::kNotANumber};
    }
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
            ++i;
        }
        if (SkipDigits(number, i) == 0) {
            return {0.0, LengthTextError::kNotANumber};
        }
    }
    if (i != number.size()) {
        return {0.0, LengthTextError::kNotANumber};
    }
    // The text is a plain decimal number now; TextToDouble reads it in every locale
    // and gives ±DBL_MAX beyond the double range.
    const double number_value = TextToDouble(number);
    const double value = number_value * mm_per_unit;
    if (std::abs(number_value) == std::numeric_limits<double>::max() || !std::isfinite(value)) {
        return {0.0, LengthTextError::kNotFinite};
    }
    if (std::abs(value) > kLengthLimitMm) {
        return {value, LengthTextError::kOutOfRange};
    }
    return {value, LengthTextError::kNone};
}

bool IsWithinLengthLimit(const Int32Reading& reading) {
    return !reading.saturated && std::abs(static_cast<double>(reading.value)) <= kLengthLimitMm;
}

}  // namespace kalvesta
