// The printf-and-strtod conversions (those of the WebAssembly build) against the
// standard library's charconv on many doubles and texts: the same characters, the
// same bits.
#include "model/decimal_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace kalvesta {
namespace {

#if defined(__cpp_lib_to_chars)

// Random bit patterns (every exponent), every power of two and its neighbours
// (where the shortest decimals' interval is lopsided), short decimals at every
// scale (where fixed and scientific notation trade places), and the extremes.
std::vector<double> Doubles() {
    std::mt19937_64 random(37);
    std::vector<double> values = {
        0.0, -0.0, 5e-324, std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
        0.1, 1e22, 1e23};
    for (int i = 0; i < 10000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value)) {
            values.push_back(value);
        }
    }
    for (int exponent = -1074; exponent <= 1023; ++exponent) {
        const double power = std::ldexp(1.0, exponent);
        values.insert(values.end(),
                      {power, std::nextafter(power, 0.0), std::nextafter(power, HUGE_VAL)});
    }
    std::uniform_int_distribution<int> digits(1, 99999);
    std::uniform_int_distribution<int> scale(-30, 30);
    for (int i = 0; i < 10000; ++i) {
        values.push_back(-digits(random) * std::pow(10.0, scale(random)));
    }
    return values;
}

TEST(DecimalText, PrintfGivesTheCharconvCharacters) {
    for (const double value : Doubles()) {
        ASSERT_EQ(c_library::DecimalShortest(value), DecimalShortest(value)) << value;
        ASSERT_EQ(c_library::DecimalSignificant(value, 17), DecimalSignificant(value, 17));
        if (std::fabs(value) < 1e20) {
            const int decimals = static_cast<int>(std::bit_cast<uint64_t>(value) % 13);
            ASSERT_EQ(c_library::DecimalFixed(value, decimals), DecimalFixed(value, decimals));
        }
    }
}

void ExpectSameRead(const std::string& text) {
    const DecimalRead expected = ReadDecimal(text);
    const DecimalRead read = c_library::ReadDecimal(text);
    EXPECT_EQ(read.length, expected.length) << text;
    EXPECT_EQ(read.error, expected.error) << text;
    EXPECT_EQ(std::bit_cast<uint64_t>(read.value), std::bit_cast<uint64_t>(expected.value)) << text;
}

TEST(DecimalText, StrtodReadsTheCharconvDoubles) {
    for (const std::string text : {"",
                                   "-",
                                   ".",
                                   "-.",
                                   "1e",
                                   "1e+",
                                   "1e-x",
                                   ".5",
                                   "5.",
                                   "-0",
                                   "007.50e-1x",
                                   "+1",
                                   "0x1A",
                                   " 1",
                                   "inf",
                                   "-nan",
                                   "1e400",
                                   "-1e400",
                                   "1e-400",
                                   "0e999",
                                   "4e-324",
                                   "2e-324",
                                   "2.4703282292062328e-324",
                                   "2.4703282292062327e-324",
                                   "1.7976931348623158e308",
                                   "1.7976931348623159e308",
                                   "123456789012345678901234567890.123456789e-5"}) {
        ExpectSameRead(text);
    }
    for (const double value : Doubles()) {
        ExpectSameRead(DecimalShortest(value));
        ExpectSameRead(DecimalSignificant(value, 17));
    }
    // Random texts of number-like characters.
    std::mt19937 random(5);
    const std::string alphabet = "0123456789..eE+-x ";
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (size_t n = 1 + pick(random) % 12; n > 0; --n) {
            text += alphabet[pick(random)];
        }
        ExpectSameRead(text);
    }
}

#endif

}  // namespace
}  // namespace kalvesta
