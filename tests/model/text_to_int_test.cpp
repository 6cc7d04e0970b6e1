// The input boxes' text-to-integer conversion, including text beyond the 32-bit range.
#include "model/text_to_int.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace kalvesta {
namespace {

struct Case {
    const char* text;
    int32_t value;
};

class TextToInt32Test : public ::testing::TestWithParam<Case> {};

TEST_P(TextToInt32Test, Converts) {
    EXPECT_EQ(TextToInt32(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(ValidNumbers, TextToInt32Test,
                         ::testing::Values(Case{"550", 550}, Case{"-20", -20}, Case{"+7", 7},
                                           Case{"   42", 42}, Case{"$1F", 31}, Case{"x1f", 31},
                                           Case{"X10", 16}, Case{"0x1F", 31}, Case{"0X10", 16},
                                           Case{"-$10", -16}, Case{"007", 7},
                                           Case{"-2147483648", INT32_MIN},
                                           Case{"2147483647", INT32_MAX}));

// Invalid text keeps the digits before the first invalid character, without the sign.
INSTANTIATE_TEST_SUITE_P(InvalidText, TextToInt32Test,
                         ::testing::Values(Case{"", 0}, Case{"-", 0}, Case{"+", 0}, Case{"$", 0},
                                           Case{"0x", 0}, Case{"12a", 12}, Case{"-12a", 12},
                                           Case{"1 2", 1}, Case{"12 ", 12}, Case{"$1G", 1},
                                           Case{"\t5", 0}, Case{"abc", 0}, Case{"1.5", 1},
                                           Case{"Крыло", 0}, Case{"7Ж", 7}));

// Beyond the 32-bit range the value saturates instead of wrapping.
INSTANTIATE_TEST_SUITE_P(
    BeyondRange, TextToInt32Test,
    ::testing::Values(Case{"2147483648", INT32_MAX}, Case{"-2147483649", INT32_MIN},
                      Case{"1234567890123456789012345678901234567890", INT32_MAX},
                      Case{"-1234567890123456789012345678901234567890", INT32_MIN},
                      Case{"$FFFFFFFF", INT32_MAX}, Case{"99999999999a", INT32_MAX},
                      Case{"-99999999999a", INT32_MAX}));

TEST(SaturatingArithmetic, NeverOverflows) {
    EXPECT_EQ(SaturatingAbs(INT32_MIN), INT32_MAX);
    EXPECT_EQ(SaturatingAbs(-310), 310);
    EXPECT_EQ(SaturatingAdd(INT32_MAX, 1), INT32_MAX);
    EXPECT_EQ(SaturatingAdd(INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(SaturatingAdd(40, 500), 540);
}

TEST(TextToInt32Robustness, HugeTextIsLinearAndSafe) {
    EXPECT_EQ(TextToInt32(std::string(1'000'000, '9')), INT32_MAX);
    EXPECT_EQ(TextToInt32(std::string(1'000'000, ' ')), 0);
}

}  // namespace
}  // namespace kalvesta
