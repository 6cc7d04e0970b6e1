// The message memo's heading, lines and fixed capacity.
#include "analysis/memo.h"

#include <gtest/gtest.h>

#include <string>

namespace kalvesta {
namespace {

TEST(Memo, ResetLeavesTheHeadingHidden) {
    Memo memo;
    memo.ReportFailure("a line");
    memo.Reset(false);
    EXPECT_EQ(memo.Text(), "Fehler: ");
    EXPECT_FALSE(memo.visible);
    EXPECT_TRUE(memo.calc_failed);  // only the driver clears it
    memo.Reset(true);
    memo.ReportFailure("first", "second");
    EXPECT_EQ(memo.Text(), "Error: \nfirst\nsecond");
    EXPECT_EQ(memo.Text(1), "first\nsecond");  // the lines after the heading
    EXPECT_TRUE(memo.visible);
}

TEST(Memo, LongLinesAreCutAtACharacterBoundary) {
    Memo memo;
    // 159 ASCII bytes and a two-byte "ä" would end one byte past the capacity.
    memo.AddLine(std::string(Memo::kMaxLineBytes - 1, 'x') + "äbc");
    EXPECT_EQ(memo.line(0), std::string(Memo::kMaxLineBytes - 1, 'x'));
}

TEST(Memo, LinesBeyondTheCapacityAreDropped) {
    Memo memo;
    for (int i = 0; i < Memo::kMaxLines + 5; ++i) {
        memo.AddLine(std::to_string(i));
    }
    EXPECT_EQ(memo.line_count(), Memo::kMaxLines);
    EXPECT_EQ(memo.line(Memo::kMaxLines - 1), std::to_string(Memo::kMaxLines - 1));
    EXPECT_EQ(memo.line(Memo::kMaxLines), "");
}

}  // namespace
}  // namespace kalvesta
