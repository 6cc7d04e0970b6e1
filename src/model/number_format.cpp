// Locale-free fixed-point formatting (exact round-to-nearest) with padding.
#include "model/number_format.h"

#include <cmath>

#include "model/decimal_text.h"

namespace kalvesta {
namespace {

std::string PadLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    }
    return text;
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Inf" : "Inf";
    }
    std::string text = DecimalFixed(value, decimals);
    // "-0.0" reads as a negative zero on screen; print it without its sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::string FormatShortest(double value) {
    if (!std::isfinite(value)) {
        return FormatFixed(value, 0);
    }
    return DecimalShortest(value);
}

std::string FormatFixed(double value, int width, int decimals) {
    return PadLeft(FormatFixed(value, decimals), width);
}

std::string FormatInt(long long value, int width) {
    return PadLeft(std::to_string(value), width);
}

}  // namespace kalvesta
