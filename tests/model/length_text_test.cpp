// Lengths typed into the window's dialogs: what is taken, and why the rest is refused;
// and which main-box values lie outside the range the window draws as typed.
#include "model/length_text.h"

#include <gtest/gtest.h>

namespace kalvesta {
namespace {

struct LengthCase {
    const char* text;
    double mm;
    LengthTextError error;
};

class ParseLengthTextTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(ParseLengthTextTest, TakesLengthsAndNamesWhyNot) {
    const LengthText length = ParseLengthText(GetParam().text);
    EXPECT_EQ(length.error, GetParam().error) << '"' << GetParam().text << '"';
    if (GetParam().error == LengthTextError::kNone) {
        EXPECT_EQ(length.mm, GetParam().mm) << '"' << GetParam().text << '"';
    }
}

using E = LengthTextError;
INSTANTIATE_TEST_SUITE_P(
    Texts, ParseLengthTextTest,
    ::testing::Values(LengthCase{"110,5", 110.5, E::kNone}, LengthCase{" -200 ", -200.0, E::kNone},
                      LengthCase{"+.5", 0.5, E::kNone}, LengthCase{"1e3", 1000.0, E::kNone},
                      LengthCase{"100000", 100000.0, E::kNone}, LengthCase{"1e-400", 0.0, E::kNone},
                      LengthCase{"", 0, E::kEmpty}, LengthCase{"  ", 0, E::kEmpty},
                      LengthCase{"abc", 0, E::kNotANumber}, LengthCase{"12a", 0, E::kNotANumber},
                      LengthCase{"1,5,3", 0, E::kNotANumber}, LengthCase{"-", 0, E::kNotANumber},
                      LengthCase{"1e", 0, E::kNotANumber}, LengthCase{"0x10", 0, E::kNotANumber},
                      LengthCase{"-inf", 0, E::kNotFinite}, LengthCase{"NaN", 0, E::kNotFinite},
                      LengthCase{"1e400", 0, E::kNotFinite}, LengthCase{"1e300", 0, E::kOutOfRange},
                      LengthCase{"-100000.1", 0, E::kOutOfRange}));

TEST(IsWithinLengthLimit, SaturatedAndFarValuesAreOutside) {
    EXPECT_TRUE(IsWithinLengthLimit(ReadInt32("-100000")));
    EXPECT_TRUE(IsWithinLengthLimit(ReadInt32("12a")));
    EXPECT_FALSE(IsWithinLengthLimit(ReadInt32("100001")));
    EXPECT_FALSE(IsWithinLengthLimit(ReadInt32("99999999999")));
    EXPECT_FALSE(IsWithinLengthLimit(ReadInt32("-99999999999a")));  // read without its sign
    EXPECT_FALSE(ReadInt32("-2147483648").saturated);
    EXPECT_TRUE(ReadInt32("-2147483649").saturated);
    EXPECT_FALSE(ReadInt32("-").has_digits);
    EXPECT_TRUE(ReadInt32("$1F").has_digits);
    // Whole numbers, and texts a box marks because they read as their leading digits.
    for (const char* whole : {"-130", " 310", "$1F", "0x10", "+7"}) {
        EXPECT_TRUE(ReadInt32(whole).whole) << whole;
    }
    for (const char* part : {"abc", "12a", "310 ", "-", "", "1.5"}) {
        EXPECT_FALSE(ReadInt32(part).whole) << part;
    }
}

}  // namespace
}  // namespace kalvesta
