// Margins and recommended centre-of-gravity positions, and the margin box's
// text-to-number conversion.
#include "analysis/stability.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kalvesta {
namespace {

constexpr double kMaxDouble = std::numeric_limits<double>::max();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A value held within the double range: infinities become ±DBL_MAX.
double Finite(double value) {
    if (std::isnan(value)) {
        return 0.0;
    }
    return std::fmax(-kMaxDouble, std::fmin(kMaxDouble, value));
}

// x_np − ref_length × margin × 0.01, in that order.
double CentreOfGravity(const Results& results, double margin_percent) {
    return Finite(results.x_np - results.ref_length * margin_percent * 0.01);
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

    // The prefix is a plain decimal number now; std::from_chars reads it the same
    // way in every locale.
    double value = 0.0;
    const char* const begin = text.data() + mantissa_begin;
    const auto [end, error] = std::from_chars(begin, text.data() + i, value);
    if (error == std::errc::result_out_of_range) {
        value = (significant && magnitude >= 0) ? kMaxDouble : 0.0;
    } else if (error != std::errc{} || end == begin) {
        value = 0.0;
    }
    return negative ? -value : value;
}

void ComputeStability(int calc_wing_count, double manual_margin_percent, Results& results) {
    if (calc_wing_count > 1) {
        results.stability_low = 8.0;
        results.stability_high = 16.0;
    } else {
        results.stability_low = 4.0;
        results.stability_high = 8.0;
    }
    results.stability_manual = std::isnan(manual_margin_percent) ? 0.0 : manual_margin_percent;
    results.x_cg_low = CentreOfGravity(results, results.stability_low);
    results.x_cg_high = CentreOfGravity(results, results.stability_high);
    results.x_cg_manual = CentreOfGravity(results, results.stability_manual);
}

}  // namespace kalvesta
