// The file writer on a real file system: what the path names decides how it is
// written, and a write changes the content of that file and nothing else about it.
#include "files/file_writer.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/small_tmpfs.h"
#include "support/temp_folder.h"

namespace kalvesta {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;
constexpr char kNewContent[] = "   2\r\n 310\r\n";

struct stat StatusOf(const std::string& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status;
}

std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string CannotWrite(const std::string& path, const std::string& reason) {
    return "Cannot write \"" + path + "\": " + reason;
}

class FileWriter : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    std::string PathOf(const std::string& name) const { return folder_.PathOf(name); }
    size_t EntryCount() const { return folder_.EntryCount(); }

    TempFolder folder_{"file_writer_test"};
    const fs::path& dir_ = folder_.path();
};

TEST_F(FileWriter, PipesAndSocketsAreWrittenInPlaceOrRefused) {
    const std::string fifo = PathOf("fifo.da4");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    // Without a reader the pipe is refused at once, not waited for.
    EXPECT_EQ(WriteFileContents(fifo, kNewContent).message,
              CannotWrite(fifo, "No program is reading from the pipe"));

    // A reader that is there before the write; the text fits the pipe's buffer.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    const FileResult to_reader = WriteFileContents(fifo, kNewContent);
    EXPECT_TRUE(to_reader.ok()) << to_reader.message;
    char received[64] = {};
    EXPECT_EQ(::read(reader, received, sizeof(received)), std::strlen(kNewContent));
    EXPECT_STREQ(received, kNewContent);
    EXPECT_EQ(::read(reader, received, sizeof(received)), 0);  // the writer has closed
    ::close(reader);
    EXPECT_TRUE(S_ISFIFO(StatusOf(fifo).st_mode));

    const std::string socket_path = PathOf("socket");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket_path.c_str(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    EXPECT_EQ(WriteFileContents(socket_path, kNewContent).message,
              CannotWrite(socket_path, "No such device or address"));
    EXPECT_TRUE(S_ISSOCK(StatusOf(socket_path).st_mode));
    ::close(listener);
    EXPECT_EQ(EntryCount(), 2u);
}

TEST_F(FileWriter, DeviceNodeIsWrittenNotReplaced) {
    const std::string device = PathOf("nulldev");
    if (::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
        GTEST_SKIP() << "mknod refused: " << std::strerror(errno);
    }
    const FileResult written = WriteFileContents(device, kNewContent);
    EXPECT_TRUE(written.ok()) << written.message;
    EXPECT_TRUE(S_ISCHR(StatusOf(device).st_mode));
    EXPECT_EQ(StatusOf(device).st_rdev, ::makedev(1, 3));
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FileWriter, LinksAreFollowedAndStayLinks) {
    fs::create_directory(dir_ / "real");
    Put(PathOf("real/plane.da4"), "old");
    fs::create_symlink("real/plane.da4", dir_ / "near.da4");
    fs::create_symlink(dir_ / "near.da4", dir_ / "far.da4");  // a chain of two
    fs::create_symlink("real/new.da4", dir_ / "dangling.da4");

    for (const char* link : {"near.da4", "far.da4", "dangling.da4"}) {
        SCOPED_TRACE(link);
        const FileResult written = WriteFileContents(PathOf(link), kNewContent);
        EXPECT_TRUE(written.ok()) << written.message;
        EXPECT_TRUE(fs::is_symlink(dir_ / link));
        EXPECT_EQ(Get(PathOf(link)), kNewContent);
    }
    // The dangling link made its target, as the shell's ">" does.
    EXPECT_EQ(Get(PathOf("real/new.da4")), kNewContent);
    EXPECT_EQ(EntryCount(), 4u);
    EXPECT_EQ(static_cast<size_t>(std::distance(fs::directory_iterator(dir_ / "real"), {})), 2u);

    fs::create_directory(dir_ / "folder");
    EXPECT_EQ(WriteFileContents(PathOf("folder"), kNewContent).message,
              CannotWrite(PathOf("folder"), "Is a directory"));
}

TEST_F(FileWriter, ReplacedFileKeepsModeOwnerGroupAndHardLinks) {
    const std::string single = PathOf("single.da4");
    const std::string linked = PathOf("linked.da4");
    const std::string other_name = PathOf("other-name.da4");
    Put(single, "old");
    Put(linked, "old old");
    ASSERT_EQ(::link(linked.c_str(), other_name.c_str()), 0);
    // Root hands the files to another owner and group; anyone else keeps their own.
    const bool root = ::geteuid() == 0;
    for (const std::string& path : {single, linked}) {
        ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
        if (root) {
            ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
        }
    }
    const struct stat single_before = StatusOf(single);
    const struct stat linked_before = StatusOf(linked);

    for (const std::string& path : {single, linked}) {
        const FileResult written = WriteFileContents(path, kNewContent);
        EXPECT_TRUE(written.ok()) << written.message;
        const struct stat after = StatusOf(path);
        EXPECT_EQ(after.st_mode & 07777, 0640u);
        EXPECT_EQ(after.st_uid, single_before.st_uid);
        EXPECT_EQ(after.st_gid, single_before.st_gid);
    }
    EXPECT_EQ(Get(single), kNewContent);
    // The second name still is the same file, with the new content.
    EXPECT_EQ(StatusOf(linked).st_ino, linked_before.st_ino);
    EXPECT_EQ(StatusOf(linked).st_nlink, 2u);
    EXPECT_EQ(Get(other_name), kNewContent);
    EXPECT_EQ(EntryCount(), 3u);
}

// Runs `write` as the unprivileged user 65534 when the test runs as root (in a child
// process), else as the test's own user; returns the message of the write.
template <typename Write>
std::string AsUnprivilegedUser(Write write) {
    if (::geteuid() != 0) {
        return write().message;
    }
    int channel[2];
    if (::pipe(channel) != 0) {
        return "pipe failed";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
            ::setresuid(kNobody, kNobody, kNobody) != 0) {
            ::_exit(3);
        }
        const std::string message = write().message;
        const ssize_t sent = ::write(channel[1], message.data(), message.size());
        ::_exit(sent == static_cast<ssize_t>(message.size()) ? 0 : 4);
    }
    ::close(channel[1]);
    std::string message;
    char buffer[512];
    ssize_t count = 0;
    while ((count = ::read(channel[0], buffer, sizeof(buffer))) > 0) {
        message.append(buffer, static_cast<size_t>(count));
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? message : "the child failed";
}

TEST_F(FileWriter, WriteProtectedFileIsRefusedAsTheShellRefusesIt) {
    // A folder everyone may write, as /tmp is (without its sticky bit).
    ASSERT_EQ(::chmod(dir_.c_str(), 0777), 0);
    const std::string own = PathOf("keep.da4");
    Put(own, "old");
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(own.c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(::chmod(own.c_str(), 0444), 0);
    EXPECT_EQ(AsUnprivilegedUser([&] { return WriteFileContents(own, kNewContent); }),
              CannotWrite(own, "Permission denied"));
    EXPECT_EQ(Get(own), "old");

    if (::geteuid() != 0) {
        GTEST_SKIP() << "the cases of a root-owned file need root";
    }
    const std::string roots = PathOf("root.da4");
    Put(roots, "old");
    ASSERT_EQ(::chmod(roots.c_str(), 0444), 0);
    EXPECT_EQ(AsUnprivilegedUser([&] { return WriteFileContents(roots, kNewContent); }),
              CannotWrite(roots, "Permission denied"));
    EXPECT_EQ(Get(roots), "old");
    EXPECT_EQ(StatusOf(roots).st_uid, 0u);
    // Root itself may write it, and it stays read-only.
    EXPECT_TRUE(WriteFileContents(roots, kNewContent).ok());
    EXPECT_EQ(Get(roots), kNewContent);
    EXPECT_EQ(StatusOf(roots).st_mode & 07777, 0444u);
    EXPECT_EQ(EntryCount(), 2u);
}

// The window shows failures in its own language: the same parts in English and Russian.
TEST(FileFailureTexts, EnglishAndRussian) {
    const struct {
        FileResult result;
        const char* english;
        const char* russian;
    } cases[] = {
        {WithAftermath(SystemFailure(FileError::kCannotWrite, "a.da4", ENOSPC), "b.tmp", false),
         "Cannot write \"a.da4\": No space left on device; the complete new content is in "
         "\"b.tmp\"",
         "Не удаётся записать «a.da4»: На устройстве не осталось свободного места; новое "
         "содержимое полностью сохранено в «b.tmp»"},
        {FileFailure(FileError::kCannotOpen, "p", FileReason::kNotRegularFile),
         "Cannot open \"p\": Not a regular file", "Не удаётся открыть «p»: Это не обычный файл"},
        {WithAftermath(SystemFailure(FileError::kCannotWrite, "c", EIO), "", true),
         "Cannot write \"c\": Input/output error; the file may be incomplete",
         "Не удаётся записать «c»: Ошибка ввода/вывода; файл может быть неполным"},
        // No Russian text known for the reason: the English one.
        {SystemFailure(FileError::kCannotRead, "d", ESTALE), "Cannot read \"d\": Stale file handle",
         "Не удаётся прочитать «d»: Stale file handle"},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(each.result.message, each.english);
        EXPECT_EQ(FileMessage(each.result, true), each.english);
        EXPECT_EQ(FileMessage(each.result, false), each.russian);
    }
}

TEST(FileWriterOnAFullDisk, EarlierFileIsIntactAndTheReasonGiven) {
    SmallTmpfs disk(64 * 1024);
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.why_not();
    }
    const std::string single = disk.PathOf("plane.da4");
    const std::string linked = disk.PathOf("linked.da4");
    Put(single, "old");
    Put(linked, "old");
    ASSERT_EQ(::link(linked.c_str(), disk.PathOf("second-name.da4").c_str()), 0);
    ASSERT_TRUE(disk.Fill());

    for (const std::string& path : {single, linked, disk.PathOf("new.da4")}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(WriteFileContents(path, kNewContent).message,
                  CannotWrite(path, "No space left on device"));
    }
    EXPECT_EQ(Get(single), "old");
    EXPECT_EQ(Get(linked), "old");
    // Nothing left behind: the three files and the filler.
    EXPECT_EQ(static_cast<size_t>(
                  std::distance(fs::directory_iterator(fs::path(single).parent_path()), {})),
              4u);
}

}  // namespace
}  // namespace kalvesta
