// The message memo's heading, lines and fixed capacity.
#include "analysis/memo.h"

#include <gtest/gtest.h>

#include <string>

namespace kalvesta {
namespace {

TEST(Memo, ResetLeavesTheHeadingHidden) {
    Memo memo;
    memo.ReportFailure(TextId::kVerbatim, {{"text", "a line"}});
    memo.Reset();
    EXPECT_EQ(memo.Text(Catalogue(Language::kRussian)), "Fehler: ");
    EXPECT_FALSE(memo.visible);
    EXPECT_TRUE(memo.calc_failed);  // only the driver clears it
    memo.AddLine(TextId::kVerbatim, {{"text", "first"}});
    memo.ReportFailure(TextId::kVerbatim, {{"text", "second"}});
    EXPECT_EQ(memo.Text(Catalogue()), "Error: \nfirst\nsecond");
    EXPECT_EQ(memo.Text(Catalogue(), 1), "first\nsecond");  // the lines after the heading
    EXPECT_TRUE(memo.visible);
}

TEST(Memo, LongValuesAreCutAtACharacterBoundary) {
    Memo memo;
    // 159 ASCII bytes and a two-byte "ä" would end one byte past the capacity.
    memo.AddLine(TextId::kVerbatim, {{"text", std::string(Memo::kMaxValueBytes - 1, 'x') + "äbc"}});
    EXPECT_EQ(memo.Text(Catalogue()), std::string(Memo::kMaxValueBytes - 1, 'x'));
}

TEST(Memo, LinesBeyondTheCapacityAreDropped) {
    Memo memo;
    for (int i = 0; i < Memo::kMaxLines + 5; ++i) {
        memo.AddLine(TextId::kVerbatim, {{"text", std::to_string(i)}});
    }
    EXPECT_EQ(memo.line_count(), Memo::kMaxLines);
    EXPECT_EQ(memo.line(Memo::kMaxLines - 1),
              Message(TextId::kVerbatim, {{"text", std::to_string(Memo::kMaxLines - 1)}}));
}

}  // namespace
}  // namespace kalvesta
