// The catalogue as generated from the JSON files: the Russian catalogue falling
// back through German to English, and the placeholders.
#include "texts/catalogue.h"

#include <gtest/gtest.h>

namespace kalvesta {
namespace {

TEST(Catalogue, RussianFallsBackThroughGermanToEnglishAndPlaceholdersAreFilled) {
    const Catalogue russian(Language::kRussian);
    EXPECT_EQ(russian.Text(TextId::kPositionTitle, {{"wing", "2"}}), "Крыло -2");
    EXPECT_EQ(russian.Text(TextId::kMemoHeading), "Fehler: ");                      // de.json
    EXPECT_EQ(russian.Text(TextId::kAnalysisSolveFailedAfter), "LOES: Fehler...");  // en.json
    // Quotes survive the generator; a value without its placeholder is left out, a
    // placeholder without its value stays.
    EXPECT_EQ(Catalogue().Text(TextId::kFileCannotOpen, {{"path", "a"}, {"other", "x"}}),
              "Cannot open \"a\": {reason}");
    EXPECT_EQ(TextName(TextId::kMemoHeading), "memo.heading");
}

}  // namespace
}  // namespace kalvesta
