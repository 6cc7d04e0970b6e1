// Fuselage outlines: read as the parts list is read, saved and read back bit for
// bit, and every bad row or outline refused with the file and, where it has one,
// the line.
#include "files/fuselage_csv.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kalvesta {
namespace {

TEST(FuselageCsv, SavedOutlineReadsBackBitForBit) {
    const Fuselage body{{{-250.125, 60.0}, {-1.0 / 3.0, 1e-7}, {0.0, 80.5}, {880.0, 0.0}}};
    const std::string text = FormatFuselageCsv(body);
    EXPECT_EQ(text,
              "x_mm,width_mm\r\n-250.125,60\r\n-0.3333333333333333,1e-07\r\n0,80.5\r\n"
              "880,0\r\n");
    const FuselageReadResult read = ParseFuselageCsv(text, "body.csv");
    ASSERT_TRUE(read.result.ok()) << FileMessage(read.result, Catalogue());
    EXPECT_EQ(read.fuselage, body);
    // A European spreadsheet's export of the same outline.
    EXPECT_EQ(ParseFuselageCsv("\xEF\xBB\xBFX_mm;Width_mm\n-250,125;60\n-0,3333333333333333;1e-7\n"
                               "0;80,5\n;\n880;0\n",
                               "body.csv")
                  .fuselage,
              body);
    EXPECT_FALSE(ParseFuselageCsv("x_mm,width_mm\r\n", "body.csv").fuselage.Described());
}

TEST(FuselageCsv, BadRowsAndOutlinesAreRefusedWithTheReason) {
    const std::string header = "x_mm,width_mm\n";
    std::string many = header;
    for (int i = 0; i <= kMaxFuselageStations; ++i) {
        many += std::to_string(i) + ",1\n";
    }
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"part,mass_g,x_mm\n", "line 1: the first line must be the header \"x_mm,width_mm\""},
        {header + "0,10\nnose,10\n", "line 3: x_mm \"nose\" is not a number"},
        {header + "0,10\n100,wide\n", "line 3: width_mm \"wide\" is not a number"},
        {header + "0,-1\n", "line 2: width_mm \"-1\" is below 0"},
        {header + "0,10,5\n", "line 2: 3 fields where a row has 2 (x_mm, width_mm)"},
        {header + "0,10\n\n130,20\n120,20\n",
         "line 5: x_mm 120 is not aft of the station before it (130)"},
        {header + "0,10\n0,20\n", "line 3: x_mm 0 is not aft of the station before it (0)"},
        {header + "0,10\n", "one station has no length"},
        {header + "0,0\n500,0\n", "every width is 0"},
        {header + "0,0\n50,80\n", "the greatest width (80 mm) exceeds the length (50 mm)"},
        {many, "line 502: more than 500 stations"},
    };
    for (const auto& [text, reason] : cases) {
        const FuselageReadResult read = ParseFuselageCsv(text, "body.csv");
        EXPECT_FALSE(read.fuselage.Described()) << text;
        const std::string english = FileMessage(read.result, Catalogue());
        EXPECT_EQ(english.rfind("Cannot read \"body.csv\": " + reason, 0), 0u) << english;
        EXPECT_EQ(FileMessage(read.result, Catalogue(Language::kRussian)).find(reason),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace kalvesta
