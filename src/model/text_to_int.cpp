// Text-to-integer conversion of the input boxes (see text_to_int.h for the rule).
#include "model/text_to_int.h"

#include <cstdint>
#include <limits>

namespace kalvesta {
namespace {

constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

int32_t Clamp(int64_t value) {
    if (value > kInt32Max) {
        return static_cast<int32_t>(kInt32Max);
    }
    if (value < kInt32Min) {
        return static_cast<int32_t>(kInt32Min);
    }
    return static_cast<int32_t>(value);
}

}  // namespace

Int32Reading ReadInt32(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    // The magnitude saturates one above the largest magnitude we can represent, so
    // forty digits cost forty steps and never overflow the 64-bit accumulator.
    int64_t magnitude = 0;
    bool any_digit = false;
    bool capped = false;
    bool valid = true;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) {
            valid = false;
            break;
        }
        any_digit = true;
        magnitude = magnitude * base + digit;
        if (magnitude > kInt32Max + 1) {
            magnitude = kInt32Max + 1;
            capped = true;
        }
    }
    if (!any_digit) {
        valid = false;
    }
    if (valid && negative) {
        return {Clamp(-magnitude), any_digit, capped, true};
    }
    return {Clamp(magnitude), any_digit, capped || magnitude > kInt32Max, valid};
}

int32_t TextToInt32(std::string_view text) {
    return ReadInt32(text).value;
}

int32_t SaturatingAbs(int32_t value) {
    return Clamp(value < 0 ? -static_cast<int64_t>(value) : static_cast<int64_t>(value));
}

int32_t SaturatingAdd(int32_t a, int32_t b) {
    return Clamp(static_cast<int64_t>(a) + static_cast<int64_t>(b));
}

}  // namespace kalvesta
