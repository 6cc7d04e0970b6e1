// The catalogue as generated from the JSON files: the text of each language, the
// Russian catalogue's fall-back through German to English, and the placeholders.
#include "texts/catalogue.h"

#include <gtest/gtest.h>

namespace kalvesta {
namespace {

struct Lookup {
    Language language;
    TextId id;
    std::vector<TextValue> values;
    const char* expected;
};

TEST(Catalogue, TextsFallBackFromRussianThroughGermanToEnglish) {
    const Lookup lookups[] = {
        {Language::kEnglish, TextId::kMemoHeading, {}, "Error: "},
        {Language::kRussian, TextId::kMemoHeading, {}, "Fehler: "},  // de.json
        {Language::kRussian, TextId::kPositionTitle, {{"wing", "2"}}, "Крыло -2"},
        {Language::kEnglish, TextId::kPositionTitle, {{"wing", "2"}}, "Wing-2  "},
        {Language::kRussian,
         TextId::kAnalysisInfluenceMuddle,
         {},
         "EINFLUSS: Irgend ein Kuddel-Muddel"},
        // Quotes survive the generator; a value without its placeholder is left out,
        // a placeholder without its value stays.
        {Language::kEnglish,
         TextId::kFileCannotOpen,
         {{"path", "a"}, {"other", "x"}},
         "Cannot open \"a\": {reason}"},
    };
    for (const Lookup& lookup : lookups) {
        SCOPED_TRACE(TextName(lookup.id));
        EXPECT_EQ(Catalogue(lookup.language).Text(lookup.id, lookup.values), lookup.expected);
    }
    EXPECT_EQ(TextName(TextId::kMemoHeading), "memo.heading");
}

}  // namespace
}  // namespace kalvesta
