// Label formatting and the two real-to-pixel conversions, on every kind of double.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/number_format.h"
#include "model/pixel.h"

namespace kalvesta {
namespace {

TEST(FormatFixed, PadsRoundsAndNeverCuts) {
    EXPECT_EQ(FormatFixed(1100.0, 4, 0), "1100");
    EXPECT_EQ(FormatFixed(200.0, 4, 0), " 200");
    EXPECT_EQ(FormatFixed(29.7, 4, 2), "29.70");
    EXPECT_EQ(FormatFixed(271.975, 4, 1), "272.0");
    EXPECT_EQ(FormatFixed(4.074, 4, 1), " 4.1");
    EXPECT_EQ(FormatFixed(123456.0, 4, 0), "123456");
    EXPECT_EQ(FormatFixed(-5.25, 1), "-5.2");  // 5.25 is exact: ties go to even
    EXPECT_EQ(FormatFixed(-0.04, 1), "0.0");
    EXPECT_EQ(FormatFixed(8.0, 0), "8");
    EXPECT_EQ(FormatFixed(1e300, 0).size(), 301u);
}

TEST(FormatFixed, NonFiniteValuesAreWords) {
    EXPECT_EQ(FormatFixed(std::nan(""), 4, 1), " NaN");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 1), "-Inf");
}

TEST(FormatInt, RightAlignsInFieldOfFour) {
    EXPECT_EQ(FormatInt(0, 4), "   0");
    EXPECT_EQ(FormatInt(-130, 4), "-130");
    EXPECT_EQ(FormatInt(12345, 4), "12345");
}

TEST(PixelConversion, HalvesToEvenAndTruncation) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.51), 3);
    EXPECT_EQ(TruncToward0(2.7), 2);
    EXPECT_EQ(TruncToward0(-2.7), -2);
}

TEST(PixelConversion, ClampsNonFiniteAndOutOfRange) {
    const double inf = std::numeric_limits<double>::infinity();
    for (auto convert : {&RoundHalfEven, &TruncToward0}) {
        EXPECT_EQ(convert(std::nan("")), 0);
        EXPECT_EQ(convert(inf), INT32_MAX);
        EXPECT_EQ(convert(-inf), INT32_MIN);
        EXPECT_EQ(convert(1e12), INT32_MAX);
        EXPECT_EQ(convert(-1e12), INT32_MIN);
    }
}

}  // namespace
}  // namespace kalvesta
