// ".da4" files on disk: the format's text and its sections written and read back,
// sections cut short or foreign, files of no bytes and of far too many, and failures
// to read that name the file and the reason. The text's rules are the format's and
// the text reader's tests; how the writer fails is the writer's.
#include "files/da4_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace kalvesta {
namespace {

namespace fs = std::filesystem;

class Da4File : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    std::string PathOf(const std::string& name) const { return folder_.PathOf(name); }

    TempFolder folder_{"da4_file_test"};
    const fs::path& dir_ = folder_.path();
};

TEST_F(Da4File, WritesTheFormatsTextAndReadsItBack) {
    Da4Values values{};
    values[0] = 2;
    values[2] = 310;
    values[50] = -130;
    values[51] = 12345;
    // Without parts: exactly the 53 lines of the format.
    const std::string bare = PathOf("bare.da4");
    ASSERT_TRUE(WriteDa4File(bare, values, {}).ok());
    EXPECT_EQ(FileContents(bare), FormatDa4Text(values));

    // The parts and the fuselage in the same file, after the 53 lines; a name a
    // spreadsheet would run as a formula is marked as text, and reads back as it was.
    Da4Sections sections;
    sections.parts = {{"motor", 110, -60}, {"=cmd|' /C calc'!A0", 5, 10}, {"'quoted", 1, 2}};
    sections.fuselage = Fuselage{{{-250.125, 60.0}, {-1.0 / 3.0, 1e-7}, {880.0, 0.0}}};
    const std::string path = PathOf("plane.da4");
    const FileResult written = WriteDa4File(path, values, sections);
    ASSERT_TRUE(written.ok()) << FileMessage(written, Catalogue());
    EXPECT_EQ(FileContents(path), FormatDa4Text(values) +
                                      "[parts] 3\r\npart,mass_g,x_mm\r\nmotor,110,-60\r\n"
                                      "'=cmd|' /C calc'!A0,5,10\r\n''quoted,1,2\r\n"
                                      "[fuselage] 3\r\nx_mm,width_mm\r\n-250.125,60\r\n"
                                      "-0.3333333333333333,1e-07\r\n880,0\r\n");
    EXPECT_EQ(EntriesIn(dir_), 2u);
    const Da4ReadResult read = ReadDa4File(path);
    ASSERT_TRUE(read.result.ok()) << FileMessage(read.result, Catalogue());
    EXPECT_EQ(read.values, values);
    EXPECT_EQ(read.sections.parts, sections.parts);
    EXPECT_EQ(read.sections.fuselage, sections.fuselage);
    EXPECT_FALSE(ReadDa4File(bare).sections.parts);

    // A parts file beside the name, as parts were saved before: the design gets a
    // parts section even without parts, so that the old list is not taken for it.
    PutFileContents(PathOf("bare.parts.csv"), "part,mass_g,x_mm\r\nold,1,1\r\n");
    ASSERT_TRUE(WriteDa4File(bare, values, {}).ok());
    EXPECT_EQ(ReadDa4File(bare).sections.parts, std::vector<Part>{});
    EXPECT_EQ(FileContents(PathOf("bare.parts.csv")), "part,mass_g,x_mm\r\nold,1,1\r\n");
}

// The sections' framing: a file cut anywhere inside them, or holding what this
// program did not write, is refused with the line; the rest after a 53rd line that
// is no heading is ignored, as it always was.
TEST(Da4Sections, CutOrForeignSectionsAreRefusedWithTheLine) {
    Da4Values values{};
    values[0] = 1;
    Da4Sections sections;
    sections.parts = {{"motor", 110, -60}, {"tail \"wheel\"\r\nleft", 5, 900}};
    const std::string lines = FormatDa4Text(values);
    const std::string whole = FormatDa4File(values, sections);
    // Only the last line feed may go: the last row is ended by its carriage return.
    for (size_t cut = lines.size() + 1; cut + 1 < whole.size(); ++cut) {
        const Da4ReadResult read = ParseDa4File(whole.substr(0, cut), "p.da4");
        EXPECT_FALSE(read.result.ok()) << "cut at " << cut;
        EXPECT_FALSE(read.sections.parts) << "cut at " << cut;
    }
    EXPECT_EQ(ParseDa4File(whole, "p.da4").sections.parts, sections.parts);

    const std::string parts = "part,mass_g,x_mm\r\nmotor,110,-60\r\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"[parts] 2\r\n" + parts, "line 57: the file ends after 1 of the 2 rows"},
        {"[parts] 1\r\n" + parts + "servo,9,300\r\n",
         "line 57: text after the rows of the last section"},
        {"[parts] 1\r\n" + parts + "[parts] 0\r\npart,mass_g,x_mm\r\n",
         "line 57: a second [parts] section"},
        {"[wiring] 0\r\nx_mm,width_mm\r\n",
         "line 54: the section [wiring] is unknown to this version of the program"},
        {"[fuselage] 1\r\nx_mm,width_mm\r\n0,10\r\n[parts] 1\r\n" + parts,
         "line 54: one station has no length"},
        {"[fuselage] 2\r\nx_mm,width_mm\r\n0,10\r\n-5,10\r\n",
         "line 57: x_mm -5 is not aft of the station before it (0)"},
        {"[parts]\r\n" + parts, "line 54: the line is no section heading"},
        {"[parts] 99999\r\n" + parts, "line 54: the [parts] section states 99999 rows, more"},
        {"[parts] 1\r\nname,mass,x\r\n", "line 55: the [parts] section must begin with"},
    };
    for (const auto& [after, reason] : cases) {
        const Da4ReadResult read = ParseDa4File(lines + after, "p.da4");
        EXPECT_EQ(
            FileMessage(read.result, Catalogue()).rfind("Cannot read \"p.da4\": " + reason, 0), 0u)
            << FileMessage(read.result, Catalogue());
    }
    // LF line ends and blank lines between sections read as well; text after line 53
    // that is no heading is no section.
    EXPECT_EQ(ParseDa4File(lines + "\n[parts] 1\npart,mass_g,x_mm\nmotor,1,2\n\n", "p.da4")
                  .sections.parts,
              (std::vector<Part>{{"motor", 1, 2}}));
    const Da4ReadResult legacy = ParseDa4File(lines + "notes\r\n[parts] x\r\n", "p.da4");
    EXPECT_TRUE(legacy.result.ok());
    EXPECT_FALSE(legacy.sections.parts);
}

TEST_F(Da4File, EmptyAndHugeFilesReadWithoutComplaint) {
    const std::string empty = PathOf("empty.da4");
    PutFileContents(empty, "");
    const Da4ReadResult nothing = ReadDa4File(empty);
    EXPECT_TRUE(nothing.result.ok());
    EXPECT_EQ(nothing.values, Da4Values{});

    // A sparse file far beyond the scan limit, all one line of zero bytes after
    // line 1: reading ends at the limit instead of scanning it all.
    const std::string sparse = PathOf("sparse.da4");
    PutFileContents(sparse, "   3\r\n");
    fs::resize_file(sparse, static_cast<uintmax_t>(kMaxDa4ScanBytes) * 16);
    const Da4ReadResult read = ReadDa4File(sparse);
    ASSERT_TRUE(read.result.ok());
    EXPECT_EQ(read.values[0], 3);
    EXPECT_EQ(read.values[1], 0);
}

// What the lenient reading filled in or kept: a file of 20 lines with a letter in
// line 3 and counts out of range names lines 21 on, line 3, and both counts.
TEST(Da4Leniency, NamesWhatWasFilledInOrKept) {
    std::string text = "   5\r\n   0\r\n 31x\r\n";
    for (int line = 4; line <= 20; ++line) {
        text += "   1\r\n";
    }
    const Da4Leniency leniency = LeniencyOf(ParseDa4File(text, "p.da4"));
    EXPECT_EQ(leniency.first_missing_line, 21);
    ASSERT_EQ(leniency.unclear_lines.size(), 1u);
    EXPECT_EQ(leniency.unclear_lines[0].line, 3);
    EXPECT_EQ(leniency.unclear_lines[0].value, 31);
    EXPECT_EQ(leniency.wing_count, 5);
    EXPECT_EQ(leniency.trapezoid_counts[1], 0);  // line 2
    EXPECT_FALSE(leniency.trapezoid_counts[2]);  // line 19: 1
    EXPECT_EQ(leniency.trapezoid_counts[3], 0);  // line 36, missing: read as 0
    // A whole file, its last line without its line end: nothing to say.
    std::string whole = "   2\r\n";
    for (int line = 2; line <= kDa4LineCount; ++line) {
        whole += line == 2 || line == 19 || line == 36 ? "   1\r\n" : "   0\r\n";
    }
    EXPECT_TRUE(LeniencyOf(ParseDa4File(whole.substr(0, whole.size() - 2), "p.da4")).empty());
}

TEST_F(Da4File, UnreadablePathsGiveAMessageWithNameAndReason) {
    const Da4ReadResult missing = ReadDa4File(PathOf("missing.da4"));
    EXPECT_EQ(missing.result.error, FileError::kCannotOpen);
    EXPECT_EQ(FileMessage(missing.result, Catalogue()),
              "Cannot open \"" + PathOf("missing.da4") + "\": No such file or directory");
    EXPECT_EQ(missing.values, Da4Values{});

    const Da4ReadResult folder = ReadDa4File(dir_.string());
    EXPECT_EQ(FileMessage(folder.result, Catalogue()),
              "Cannot open \"" + dir_.string() + "\": Is a directory");

    // A path through a plain file fails for root as well.
    PutFileContents(PathOf("plain"), "x");
    const Da4ReadResult through_file = ReadDa4File(PathOf("plain/a.da4"));
    EXPECT_EQ(FileMessage(through_file.result, Catalogue()),
              "Cannot open \"" + PathOf("plain/a.da4") + "\": Not a directory");

    const std::string fifo = PathOf("pipe.da4");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(FileMessage(ReadDa4File(fifo).result, Catalogue()),
              "Cannot open \"" + fifo + "\": Not a regular file");

    if (::geteuid() != 0) {
        const std::string locked = PathOf("locked.da4");
        PutFileContents(locked, "   2\r\n");
        ::chmod(locked.c_str(), 0);
        EXPECT_EQ(FileMessage(ReadDa4File(locked).result, Catalogue()),
                  "Cannot open \"" + locked + "\": Permission denied");
    }
}

}  // namespace
}  // namespace kalvesta
