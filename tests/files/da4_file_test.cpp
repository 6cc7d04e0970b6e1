// ".da4" files on disk: exact bytes written, reading odd files, and failures that
// name the file and the reason without harming an earlier file.
#include "files/da4_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/temp_folder.h"

namespace kalvesta {
namespace {

namespace fs = std::filesystem;

class Da4File : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    std::string PathOf(const std::string& name) const { return folder_.PathOf(name); }

    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Get(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    size_t EntryCount() const { return folder_.EntryCount(); }

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
    EXPECT_EQ(Get(path), expected);
    EXPECT_EQ(EntryCount(), 1u);

    const Da4ReadResult read = ReadDa4File(path);
    ASSERT_TRUE(read.result.ok()) << read.result.message;
    EXPECT_EQ(read.values, Sample());
}

TEST_F(Da4File, ReplacingKeepsPermissionsAndWritesThroughLinks) {
    const std::string path = PathOf("plane.da4");
    Put(path, "old");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteDa4File(path, Sample()).ok());
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);

    // A name of the longest length a folder entry can have still gets replaced.
    const std::string longest = PathOf(std::string(251, 'n') + ".da4");
    ASSERT_TRUE(WriteDa4File(longest, Sample()).ok());
    EXPECT_TRUE(WriteDa4File(longest, Sample()).ok());

    const std::string link = PathOf("link.da4");
    fs::create_symlink(path, link);
    Da4Values changed = Sample();
    changed[0] = 3;
    ASSERT_TRUE(WriteDa4File(link, changed).ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadDa4File(path).values[0], 3);
}

TEST_F(Da4File, OddFilesReadWithoutComplaint) {
    // A 10-line LF file with a first line of 5 wings: the rest read as 0.
    const std::string short_file = PathOf("short.da4");
    Put(short_file, "   5\n   1\n 310\n 230\n   0\n   0\n   0\n   0\n 550\n   0\n");
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
    Put(long_file, text);
    EXPECT_EQ(ReadDa4File(long_file).values[52], 53);

    const std::string empty_file = PathOf("empty.da4");
    Put(empty_file, "");
    EXPECT_TRUE(ReadDa4File(empty_file).result.ok());
}

TEST_F(Da4File, ReadingStopsAtTheScanLimit) {
    // A sparse file far beyond the limit, all one line of zero bytes after line 1:
    // reading ends at the limit instead of scanning it all.
    const std::string path = PathOf("sparse.da4");
    Put(path, "   3\r\n");
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
    Put(PathOf("plain"), "x");
    const Da4ReadResult through_file = ReadDa4File(PathOf("plain/a.da4"));
    EXPECT_EQ(through_file.result.message,
              "Cannot open \"" + PathOf("plain/a.da4") + "\": Not a directory");

    const std::string fifo = PathOf("pipe.da4");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadDa4File(fifo).result.message, "Cannot open \"" + fifo + "\": Not a regular file");

    if (::geteuid() != 0) {
        const std::string locked = PathOf("locked.da4");
        Put(locked, "   2\r\n");
        ::chmod(locked.c_str(), 0);
        EXPECT_EQ(ReadDa4File(locked).result.message,
                  "Cannot open \"" + locked + "\": Permission denied");
    }
}

TEST_F(Da4File, FailedWritesLeaveTheEarlierFileAlone) {
    const std::string path = PathOf("plane.da4");
    const std::string earlier = "   1\r\nhand-made\r\n";
    Put(path, earlier);

    // The target is a folder: the rename fails, the temporary file goes.
    const std::string folder = PathOf("folder.da4");
    fs::create_directory(folder);
    Put(PathOf("folder.da4/keep"), "");
    const FileResult onto_folder = WriteDa4File(folder, Sample());
    EXPECT_EQ(onto_folder.error, FileError::kCannotWrite);
    EXPECT_TRUE(onto_folder.message.starts_with("Cannot write \"" + folder + "\": "));
    EXPECT_EQ(EntryCount(), 2u);

    // The parent is a plain file, or a folder that has been removed.
    const FileResult through_file = WriteDa4File(PathOf("plane.da4/x.da4"), Sample());
    EXPECT_EQ(through_file.message,
              "Cannot write \"" + PathOf("plane.da4/x.da4") + "\": Not a directory");
    const FileResult removed = WriteDa4File(PathOf("gone/x.da4"), Sample());
    EXPECT_EQ(removed.message,
              "Cannot write \"" + PathOf("gone/x.da4") + "\": No such file or directory");

    // The disk fills up in mid-write (a file size limit of 100 bytes stands in for
    // it, and binds root too).
    rlimit old_limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult full = WriteDa4File(path, Sample());
    ::setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_EQ(full.message, "Cannot write \"" + path + "\": File too large");

    if (::geteuid() != 0) {
        // A folder the user may not write takes no new file.
        const std::string fresh = PathOf("fresh.da4");
        ::chmod(dir_.c_str(), 0555);
        const FileResult read_only = WriteDa4File(fresh, Sample());
        ::chmod(dir_.c_str(), 0755);
        EXPECT_EQ(read_only.message, "Cannot write \"" + fresh + "\": Permission denied");
    }
    EXPECT_EQ(Get(path), earlier);
    EXPECT_EQ(EntryCount(), 2u);
}

}  // namespace
}  // namespace kalvesta
