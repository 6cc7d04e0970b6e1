// ".da4" files on disk: exact bytes written, reading odd files, and failures to read
// that name the file and the reason. How the writer fails is the writer's test.
#include "files/da4_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace kalvesta {
namespace {

namespace fs = std::filesystem;

class Da4File : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    std::string PathOf(const std::string& name) const { return folder_.PathOf(name); }

    static Da4Values Sample() {
        Da4Values values{};
        values[0] = 2;
        values[2] = 310;
        values[50] = -130;
        values[51] = 12345;
        return values;
    }

    TempFolder folder_{"da4_file_test"};
    const fs::path& dir_ = folder_.path();
};

TEST_F(Da4File, WritesExactBytesAndReadsThemBack) {
    const std::string path = PathOf("plane.da4");
    const FileResult written = WriteDa4File(path, Sample());
    ASSERT_TRUE(written.ok()) << written.message;
    EXPECT_TRUE(written.message.empty());
    std::string expected;
    for (int line = 1; line <= 53; ++line) {
        const char* field = line == 1    ? "   2"
                            : line == 3  ? " 310"
                            : line == 51 ? "-130"
                            : line == 52 ? "12345"
                                         : "   0";
        expected += std::string(field) + "\r\n";
    }
    EXPECT_EQ(FileContents(path), expected);
    EXPECT_EQ(EntriesIn(dir_), 1u);

    const Da4ReadResult read = ReadDa4File(path);
    ASSERT_TRUE(read.result.ok()) << read.result.message;
    EXPECT_EQ(read.values, Sample());
}

TEST_F(Da4File, OddFilesReadWithoutComplaint) {
    // A 10-line LF file with a first line of 5 wings: the rest read as 0.
    const std::string short_file = PathOf("short.da4");
    PutFileContents(short_file, "   5\n   1\n 310\n 230\n   0\n   0\n   0\n   0\n 550\n   0\n");
    const Da4ReadResult read = ReadDa4File(short_file);
    ASSERT_TRUE(read.result.ok());
    EXPECT_EQ(read.values[0], 5);
    EXPECT_EQ(read.values[8], 550);
    EXPECT_EQ(read.values[10], 0);

    // 10,000 lines: only the first 53 count.
    const std::string long_file = PathOf("long.da4");
    std::string text;
    for (int line = 1; line <= 10000; ++line) {
        text += std::to_string(line) + "\r\n";
    }
    PutFileContents(long_file, text);
    EXPECT_EQ(ReadDa4File(long_file).values[52], 53);

    const std::string empty_file = PathOf("empty.da4");
    PutFileContents(empty_file, "");
    EXPECT_TRUE(ReadDa4File(empty_file).result.ok());
}

TEST_F(Da4File, ReadingStopsAtTheScanLimit) {
    // A sparse file far beyond the limit, all one line of zero bytes after line 1:
    // reading ends at the limit instead of scanning it all.
    const std::string path = PathOf("sparse.da4");
    PutFileContents(path, "   3\r\n");
    fs::resize_file(path, static_cast<uintmax_t>(kMaxDa4ScanBytes) * 16);
    const Da4ReadResult read = ReadDa4File(path);
    ASSERT_TRUE(read.result.ok());
    EXPECT_EQ(read.values[0], 3);
    EXPECT_EQ(read.values[1], 0);
}

TEST_F(Da4File, UnreadablePathsGiveAMessageWithNameAndReason) {
    const Da4ReadResult missing = ReadDa4File(PathOf("missing.da4"));
    EXPECT_EQ(missing.result.error, FileError::kCannotOpen);
    EXPECT_EQ(missing.result.message,
              "Cannot open \"" + PathOf("missing.da4") + "\": No such file or directory");
    EXPECT_EQ(missing.values, Da4Values{});

    const Da4ReadResult folder = ReadDa4File(dir_.string());
    EXPECT_EQ(folder.result.message, "Cannot open \"" + dir_.string() + "\": Is a directory");

    // A path through a plain file fails for root as well.
    PutFileContents(PathOf("plain"), "x");
    const Da4ReadResult through_file = ReadDa4File(PathOf("plain/a.da4"));
    EXPECT_EQ(through_file.result.message,
              "Cannot open \"" + PathOf("plain/a.da4") + "\": Not a directory");

    const std::string fifo = PathOf("pipe.da4");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadDa4File(fifo).result.message, "Cannot open \"" + fifo + "\": Not a regular file");

    if (::geteuid() != 0) {
        const std::string locked = PathOf("locked.da4");
        PutFileContents(locked, "   2\r\n");
        ::chmod(locked.c_str(), 0);
        EXPECT_EQ(ReadDa4File(locked).result.message,
                  "Cannot open \"" + locked + "\": Permission denied");
    }
}

}  // namespace
}  // namespace kalvesta
