// Lengths typed into the window's dialogs: what is taken, and why the rest is refused;
// and which main-box values lie outside the range the window draws as typed.
#include "model/length_text.h"

#include <gtest/gtest.h>

#include "model/display_units.h"

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

// An inch box: what is typed, the whole millimetre stored, and the text shown for
// it, which reads back to the same millimetre.
struct InchCase {
    const char* typed;
    int32_t mm;
    const char* shown;
    LengthTextError error;
};

class InchTextTest : public ::testing::TestWithParam<InchCase> {};

TEST_P(InchTextTest, RoundTripsThroughWholeMillimetres) {
    const InchCase& c = GetParam();
    const InchBoxReading typed = ReadInchText(c.typed);
    EXPECT_EQ(typed.mm, c.mm) << '"' << c.typed << '"';
    EXPECT_EQ(typed.error, c.error) << '"' << c.typed << '"';
    EXPECT_EQ(InchText(typed.mm), c.shown);
    EXPECT_EQ(ReadInchText(c.shown).mm, c.mm) << '"' << c.shown << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, InchTextTest,
    ::testing::Values(InchCase{"12.25", 311, "12.24", E::kNone},  // 311.15 mm
                      InchCase{"12,25", 311, "12.24", E::kNone}, InchCase{"1", 25, "1", E::kNone},
                      InchCase{"1.02", 26, "1.02", E::kNone},      // 25.908 mm
                      InchCase{" -3.5", -89, "-3.5", E::kNone},    // -88.9 mm
                      InchCase{"78.74", 2000, "78.74", E::kNone},  // 1999.996 mm
                      InchCase{"0.01", 0, "0", E::kNone},
                      InchCase{"3937", 100000, "3937", E::kNone},
                      InchCase{"3937.01", 100000, "3937", E::kOutOfRange},
                      InchCase{"1e12", 2147483647, "84546600.3", E::kOutOfRange},
                      InchCase{"12 in", 0, "0", E::kNotANumber}, InchCase{"", 0, "0", E::kEmpty},
                      InchCase{"1e307", 0, "0", E::kNotFinite}));

}  // namespace
}  // namespace kalvesta
