// ".da4" files on disk: the format's text written and read back, files of no bytes
// and of far too many, and failures to read that name the file and the reason. The
// text's rules are the format's and the text reader's tests; how the writer fails is
// the writer's.
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

    TempFolder folder_{"da4_file_test"};
    const fs::path& dir_ = folder_.path();
};

TEST_F(Da4File, WritesTheFormatsTextAndReadsItBack) {
    Da4Values values{};
    values[0] = 2;
    values[2] = 310;
    values[50] = -130;
    values[51] = 12345;
    const std::string path = PathOf("plane.da4");
    const FileResult written = WriteDa4File(path, values);
    ASSERT_TRUE(written.ok()) << FileMessage(written, Catalogue());
    EXPECT_EQ(FileContents(path), FormatDa4Text(values));
    EXPECT_EQ(EntriesIn(dir_), 1u);

    const Da4ReadResult read = ReadDa4File(path);
    ASSERT_TRUE(read.result.ok()) << FileMessage(read.result, Catalogue());
    EXPECT_EQ(read.values, values);
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
