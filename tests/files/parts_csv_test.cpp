// Parts files: both spreadsheet dialects, the saved text read back unchanged, and
// every bad row refused with the file and the line.
#include "files/parts_csv.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace kalvesta {
namespace {

std::vector<Part> Parse(const std::string& text) {
    const PartsReadResult read = ParsePartsCsv(text, "p.csv");
    EXPECT_TRUE(read.result.ok()) << FileMessage(read.result, Catalogue());
    return read.parts;
}

TEST(PartsCsv, ReadsBothDialects) {
    const std::vector<Part> expected = {
        {"motor", 95.5, -40}, {"Akku; 3S, \"2200\"", 185, 35}, {"servo\nleft", 9, 310}};
    // RFC 4180: quoted separators, doubled quotes, a line break inside quotes, CR LF,
    // blank lines and blanks around the fields.
    EXPECT_EQ(Parse("part,mass_g,x_mm\r\nmotor, 95.5 ,-40\r\n\r\n"
                    "\"Akku; 3S, \"\"2200\"\"\",185,3.5e1\r\n\"servo\nleft\",9,+310\r\n,,\r\n"),
              expected);
    // A European spreadsheet: byte order mark, ";" and decimal commas, LF only.
    EXPECT_EQ(Parse("\xEF\xBB\xBFPart;Mass_g;X_mm\nmotor;95,5;-40\n"
                    "\"Akku; 3S, \"\"2200\"\"\";185;35\n\"servo\nleft\";9;310\n;;\n"),
              expected);
    EXPECT_TRUE(Parse("part,mass_g,x_mm").empty());
}

TEST(PartsCsv, SavedTextReadsBackUnchanged) {
    const std::vector<Part> parts = {
        {"motor", 0.1, -1e-7},      {"a, \"b\"; c\r\nd", 1.0 / 3.0, 123.456},
        {"Приёмник", 1e-300, -0.0}, {"@SUM(A1)", 1, 1},
        {"-servo; left", 1, 1},     {"'", 1, 1}};
    const std::string text = FormatPartsCsv(parts);
    // What a spreadsheet would evaluate is marked as text with a "'".
    EXPECT_EQ(text,
              "part,mass_g,x_mm\r\nmotor,0.1,-1e-07\r\n"
              "\"a, \"\"b\"\"; c\r\nd\",0.3333333333333333,123.456\r\nПриёмник,1e-300,-0\r\n"
              "'@SUM(A1),1,1\r\n\"'-servo; left\",1,1\r\n'',1,1\r\n");
    EXPECT_EQ(Parse(text), parts);

    EXPECT_EQ(PartsFileNameFor("dir.da4/plane.da4"), "dir.da4/plane.parts.csv");
    EXPECT_EQ(PartsFileNameFor("PLANE.DA4"), "PLANE.parts.csv");
    EXPECT_EQ(PartsFileNameFor("plane"), "plane.parts.csv");
}

TEST(PartsCsv, BadRowsNameTheFileAndLine) {
    const std::string header = "part,mass_g,x_mm\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "line 1: the first line must be the header \"part,mass_g,x_mm\""},
        {"name,mass,x\nmotor,1,2\n", "line 1: the first line must be the header"},
        {header + "motor,1,2\nbattery,abc,3\n", "line 3: mass_g \"abc\" is not a number"},
        {header + "motor,-5,2\n", "line 2: mass_g \"-5\" is not more than 0"},
        {header + "motor,0,2\n", "line 2: mass_g \"0\" is not more than 0"},
        {header + "motor,1,inf\n", "line 2: x_mm \"inf\" is not a number"},
        {header + "motor,1,1e999\n", "line 2: x_mm \"1e999\" is not a number"},
        {header + "motor,\"1,5\",2\n", "line 2: mass_g \"1,5\" is not a number"},
        {header + "motor,0x10,2\n", "line 2: mass_g \"0x10\" is not a number"},
        {header + "motor,1,+-2\n", "line 2: x_mm \"+-2\" is not a number"},
        {header + "  ,1,2\n", "line 2: the part has no name"},
        {header + "motor,1,2,3\n", "line 2: 4 fields where a row has 3"},
        {header + "motor,1\n", "line 2: 2 fields where a row has 3"},
        {header + "\"a\nb\",1,2\nmotor\n", "line 4: 1 field where a row has 3"},
        {header + "\"motor,1,2\n", "line 2: the quote opened on line 2 is not closed"},
        {header + "\"motor\"x,1,2\n", "line 2: text follows a closing quote"},
        {header + "Servo \xFC,1,2\n", "line 2: the text is not UTF-8"},
    };
    for (const auto& [text, reason] : cases) {
        const PartsReadResult read = ParsePartsCsv(text, "plane.parts.csv");
        EXPECT_FALSE(read.result.ok()) << text;
        EXPECT_TRUE(read.parts.empty()) << text;
        const std::string english = FileMessage(read.result, Catalogue());
        EXPECT_EQ(english.rfind("Cannot read \"plane.parts.csv\": " + reason, 0), 0u) << english;
        // The window's Russian says the same, with no English reason left in it.
        const std::string russian = FileMessage(read.result, Catalogue(Language::kRussian));
        EXPECT_EQ(russian.rfind("Не удаётся прочитать «plane.parts.csv»: строка ", 0), 0u)
            << russian;
        EXPECT_EQ(russian.find(reason.substr(reason.find(": ") + 2)), std::string::npos) << russian;
    }
}

// Reading holds one row of a limited length at a time and the parts it keeps, however
// large the file: its own count of the bytes held says so.
TEST(PartsCsv, MemoryFollowsWhatIsKeptNotTheFile) {
    TempFolder folder("parts_csv");
    const std::string header = "part,mass_g,x_mm\n";
    const std::string commas = folder.PathOf("commas.csv");
    PutFileContents(commas, header + std::string(63 << 20, ',') + "\n");
    const PartsReadResult line = ReadPartsFile(commas);
    EXPECT_EQ(FileMessage(line.result, Catalogue()),
              "Cannot read \"" + commas + "\": line 2: the row is longer than 4096 bytes");
    EXPECT_LE(line.bytes_kept, 2 * kMaxCsvRowBytes);

    // Blank rows cost nothing; rows beyond the limit are refused.
    std::string blank_rows = header + "motor,110,-60\n";
    for (int row = 0; row < kMaxCsvRows - 1; ++row) {
        blank_rows += ",,\n";
    }
    const PartsReadResult one = ParsePartsCsv(blank_rows, "p.csv");
    EXPECT_EQ(one.parts.size(), 1u);
    EXPECT_LE(one.bytes_kept, 64 + sizeof(Part) + 5);
    EXPECT_EQ(FileMessage(ParsePartsCsv(blank_rows + "servo,9,300\n", "p.csv").result, Catalogue()),
              "Cannot read \"p.csv\": line 10002: the table has more than 10000 rows");

    // A full list costs its parts: name bytes and the part's own size each.
    std::string full = header;
    for (int row = 0; row < kMaxCsvRows; ++row) {
        full += "servo " + std::to_string(row % 10) + ",9,300\n";
    }
    const PartsReadResult read = ParsePartsCsv(full, "p.csv");
    ASSERT_TRUE(read.result.ok()) << FileMessage(read.result, Catalogue());
    EXPECT_LE(read.bytes_kept, BytesOf(read.parts) + 64);
}

TEST(PartsCsv, OnlyRegularFilesAreReadAndNoLinkBesideADesign) {
    TempFolder folder("parts_csv");
    const std::string fifo = folder.PathOf("pipe.parts.csv");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // The opening rules are the .da4 file's test; here that they hold for parts too.
    EXPECT_EQ(FileMessage(ReadPartsFile(fifo).result, Catalogue()),
              "Cannot open \"" + fifo + "\": Not a regular file");

    // Beside a design, only a file of that name is read, never one a link leads to.
    const std::string path = folder.PathOf("plane.parts.csv");
    PutFileContents(path, "part,mass_g,x_mm\r\nmotor,95.5,-40\r\n");
    EXPECT_EQ(ReadPartsBeside(folder.PathOf("plane.da4"))->parts,
              (std::vector<Part>{{"motor", 95.5, -40}}));
    EXPECT_FALSE(ReadPartsBeside(folder.PathOf("none.da4")));
    std::filesystem::create_symlink(path, folder.PathOf("linked.parts.csv"));
    EXPECT_EQ(FileMessage(ReadPartsBeside(folder.PathOf("linked.da4"))->result, Catalogue()),
              "Cannot open \"" + folder.PathOf("linked.parts.csv") +
                  "\": a symbolic link stands there, and a file the user did not name is "
                  "never followed through one");
}

}  // namespace
}  // namespace kalvesta
