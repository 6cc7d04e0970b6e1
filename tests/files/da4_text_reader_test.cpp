// Reading ".da4" text: line ends, blanks around numbers, odd text, short and long
// files, overlong lines, and text fed in pieces. What a line's text converts to
// (signs, hexadecimal, saturation) is the text-to-integer conversion's test.
#include "files/da4_text_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalvesta {
namespace {

// Text whose line i holds `lines[i]`, each followed by `line_end`.
std::string Join(const std::vector<std::string>& lines, const std::string& line_end) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + line_end;
    }
    return text;
}

struct LineEndCase {
    const char* name;
    const char* line_end;
};

class Da4LineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(Da4LineEnds, ReadTheSameValuesWithBlanksTabsAndBlankLines) {
    const std::string text =
        Join({"   2", "-130 ", "\t-130\t", "", "  12a", "-12a", "$1F", " - 5", "+7", "   "},
             GetParam().line_end);
    const Da4Values values = ParseDa4Text(text);
    const std::vector<int32_t> expected = {2, -130, -130, 0, 12, 12, 31, 0, 7, 0};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(values[i], expected[i]) << "line " << i + 1;
    }
    for (size_t i = expected.size(); i < values.size(); ++i) {  // beyond the ten lines
        EXPECT_EQ(values[i], 0) << "line " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(AllLineEnds, Da4LineEnds,
                         ::testing::Values(LineEndCase{"CrLf", "\r\n"}, LineEndCase{"Lf", "\n"},
                                           LineEndCase{"Cr", "\r"},
                                           LineEndCase{"StrayCrLf", "\r\r\n"}),
                         [](const auto& test_info) { return std::string(test_info.param.name); });

TEST(Da4TextReader, UnterminatedLastLineAndByteOrderMarkAreRead) {
    EXPECT_EQ(ParseDa4Text("3\r\n-4")[1], -4);
    EXPECT_EQ(ParseDa4Text("3\r-4")[1], -4);
    EXPECT_EQ(ParseDa4Text("\xEF\xBB\xBF   3\r\n  5\r\n")[0], 3);
    EXPECT_EQ(ParseDa4Text("-130\r")[0], -130);
    EXPECT_EQ(ParseDa4Text("")[0], 0);
}

// A file without one number is no aircraft file; the window tells it by this count.
TEST(Da4TextReader, CountsTheLinesThatHoldANumber) {
    for (const auto& [text, numbered] :
         {std::pair<std::string, int>{"abc\n\n-\n\x01\xff", 0}, {"  17\nabc\n-3x\n$1F\n", 3}}) {
        Da4TextReader reader;
        reader.Feed(text);
        reader.Finish();
        EXPECT_EQ(reader.numbered_lines(), numbered) << text;
    }
}

TEST(Da4TextReader, StopsAfterLine53) {
    std::vector<std::string> lines(10000, "   9");
    lines[52] = "  53";
    lines[53] = "  54";
    Da4TextReader reader;
    const std::string text = Join(lines, "\n");
    // The reader asks for no more input once line 53 is complete.
    EXPECT_FALSE(reader.Feed(text));
    EXPECT_EQ(reader.Finish()[52], 53);
}

TEST(Da4TextReader, OverlongLinesKeepTheirLeadingNumber) {
    // A line of megabytes: its value is that of its leading digits; the next lines
    // are read as usual.
    const std::string huge_digits = "-" + std::string(3'000'000, '7');
    const std::string padded = std::string(3'000'000, ' ') + "-130" + std::string(3'000'000, ' ');
    const std::string text = "   2\n" + huge_digits + "\n" + padded + "\n 310\n" + "  42" +
                             std::string(2'000'000, 'x') + "\n";
    const Da4Values values = ParseDa4Text(text);
    EXPECT_EQ(values[0], 2);
    EXPECT_EQ(values[1], -2147483647 - 1);
    EXPECT_EQ(values[2], -130);
    EXPECT_EQ(values[3], 310);
    EXPECT_EQ(values[4], 42);
}

TEST(Da4TextReader, PiecesGiveTheSameValuesAsTheWhole) {
    // Line ends split between pieces must not change the reading (CR | LF, CR | CR).
    for (const std::string& text :
         {std::string("  1\r\n-2\r\n\r\n 4\r\n"), std::string("  1\r-2\r\r 4\r"),
          std::string("\xEF\xBB\xBF 1\r\r\n-2\n")}) {
        const Da4Values whole = ParseDa4Text(text);
        Da4TextReader reader;
        for (const char c : text) {
            reader.Feed(std::string_view(&c, 1));
        }
        EXPECT_EQ(reader.Finish(), whole);
    }
}

TEST(Da4TextReader, BinaryGarbageReadsAsNumbersWithoutHarm) {
    std::string garbage;
    uint32_t state = 12345;
    for (int i = 0; i < 100000; ++i) {
        state = state * 1103515245u + 12345u;  // a fixed pseudo-random byte stream
        garbage += static_cast<char>(state >> 24);
    }
    const Da4Values values = ParseDa4Text(garbage);
    // Whatever the numbers, reading it twice gives the same.
    EXPECT_EQ(values, ParseDa4Text(garbage));
    EXPECT_EQ(ParseDa4Text(std::string("\0\0\x01\xff-\n5", 7))[1], 5);
}

}  // namespace
}  // namespace kalvesta
