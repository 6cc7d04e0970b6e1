// The file writer on real file systems: what the path names decides how it is
// written, a write changes the content of that file and nothing else about it, and
// a failure leaves the earlier file whole and nothing behind.
#include "files/file_writer.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

#include "files/da4_file.h"
#include "support/small_disk.h"
#include "support/temp_folder.h"

namespace kalvesta {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;
constexpr char kNewContent[] = "   2\r\n 310\r\n";
constexpr char kComment[] = "user.comment";
constexpr char kAcl[] = "system.posix_acl_access";

struct stat StatusOf(const std::string& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status;
}

std::string CannotWrite(const std::string& path, const std::string& reason) {
    return "Cannot write \"" + path + "\": " + reason;
}

// An extended attribute's value, "<none>" when the file has none of that name.
std::string Attribute(const std::string& path, const char* name) {
    char value[256];
    const ssize_t size = ::getxattr(path.c_str(), name, value, sizeof(value));
    return size < 0 ? "<none>" : std::string(value, static_cast<size_t>(size));
}

// An access control list as the system stores it: version 2, then (tag, permissions,
// id) entries. Owner rw-, the user 65534 rw-, the group r--, mask rw-, others ---.
std::string AclGivingNobodyWrite() {
    std::string acl;
    auto put = [&acl](uint32_t value, size_t bytes) {
        for (size_t i = 0; i < bytes; ++i) {
            acl += static_cast<char>((value >> (8 * i)) & 0xff);
        }
    };
    put(2, 4);
    for (const auto& [tag, permissions, id] : {std::tuple{0x01u, 6u, ~0u},
                                               {0x02u, 6u, kNobody},
                                               {0x04u, 4u, ~0u},
                                               {0x10u, 6u, ~0u},
                                               {0x20u, 0u, ~0u}}) {
        put(tag, 2);
        put(permissions, 2);
        put(id, 4);
    }
    return acl;
}

// Runs `write` as the unprivileged user 65534 when the test runs as root (in a child
// process), else as the test's own user; returns the message of the write.
template <typename Write>
std::string AsUnprivilegedUser(Write write) {
    if (::geteuid() != 0) {
        return FileMessage(write(), Catalogue());
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
        const std::string message = FileMessage(write(), Catalogue());
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

// Hands `path` to the user 65534 when the test runs as root.
void GiveToUnprivilegedUser(const std::string& path) {
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }
}

class FileWriter : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    std::string PathOf(const std::string& name) const { return folder_.PathOf(name); }

    TempFolder folder_{"file_writer_test"};
    const fs::path& dir_ = folder_.path();
};

TEST_F(FileWriter, PipesAndSocketsAreWrittenInPlaceOrRefused) {
    const std::string fifo = PathOf("fifo.da4");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    // Without a reader the pipe is refused at once, not waited for.
    EXPECT_EQ(FileMessage(WriteFileContents(fifo, kNewContent), Catalogue()),
              CannotWrite(fifo, "No program is reading from the pipe"));

    // A reader that is there before the write; the text fits the pipe's buffer.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    const FileResult to_reader = WriteFileContents(fifo, kNewContent);
    EXPECT_TRUE(to_reader.ok()) << FileMessage(to_reader, Catalogue());
    char received[64] = {};
    EXPECT_EQ(::read(reader, received, sizeof(received)), std::strlen(kNewContent));
    EXPECT_STREQ(received, kNewContent);
    EXPECT_EQ(::read(reader, received, sizeof(received)), 0);  // the writer has closed
    ::close(reader);
    EXPECT_TRUE(S_ISFIFO(StatusOf(fifo).st_mode));

    // A reader that takes ten bytes and closes the pipe (head -c 10): reported, and
    // the test's process (which ignores no signal) goes on.
    const int early = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(early, 0);
    std::thread head([early] {
        char ten[10];
        ::fcntl(early, F_SETFL, 0);
        for (size_t got = 0; got < sizeof(ten);) {
            got += static_cast<size_t>(std::max<ssize_t>(::read(early, ten, sizeof(ten) - got), 0));
        }
        ::close(early);
    });
    EXPECT_EQ(FileMessage(WriteFileContents(fifo, std::string(1 << 20, 'p')), Catalogue()),
              CannotWrite(fifo, "the reader closed the pipe"));
    head.join();

    const std::string socket_path = PathOf("socket");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket_path.c_str(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    EXPECT_EQ(FileMessage(WriteFileContents(socket_path, kNewContent), Catalogue()),
              CannotWrite(socket_path, "No such device or address"));
    EXPECT_TRUE(S_ISSOCK(StatusOf(socket_path).st_mode));
    ::close(listener);
    EXPECT_EQ(EntriesIn(dir_), 2u);
}

TEST_F(FileWriter, DeviceNodeIsWrittenNotReplaced) {
    const std::string device = PathOf("nulldev");
    if (::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
        GTEST_SKIP() << "mknod refused: " << std::strerror(errno);
    }
    const FileResult written = WriteFileContents(device, kNewContent);
    EXPECT_TRUE(written.ok()) << FileMessage(written, Catalogue());
    EXPECT_TRUE(S_ISCHR(StatusOf(device).st_mode));
    EXPECT_EQ(StatusOf(device).st_rdev, ::makedev(1, 3));
    EXPECT_EQ(EntriesIn(dir_), 1u);
}

// Standard error appended to a log (2>>log), also as /dev/fd/2: written where it
// stands, so the log keeps its inode and what the process writes to it afterwards.
// A socket as /dev/fd/N, which cannot be opened by name, is written too.
TEST_F(FileWriter, OwnDescriptorsAreWrittenWhereTheyStand) {
    const std::string log = PathOf("log");
    PutFileContents(log, "before\n");
    const ino_t inode = StatusOf(log).st_ino;
    const pid_t child = ::fork();
    if (child == 0) {
        const int appending = ::open(log.c_str(), O_WRONLY | O_APPEND);
        int ends[2];
        char received[8] = {};
        const bool written =
            appending >= 0 && ::dup2(appending, STDERR_FILENO) >= 0 &&
            WriteFileContents("/dev/stderr", "one\n").ok() &&
            WriteFileContents("/dev/fd/2", "two\n").ok() &&
            ::write(STDERR_FILENO, "after\n", 6) == 6 &&
            ::socketpair(AF_UNIX, SOCK_STREAM, 0, ends) == 0 &&
            WriteFileContents("/dev/fd/" + std::to_string(ends[0]), "three").ok() &&
            ::read(ends[1], received, sizeof(received)) == 5 && std::string(received) == "three";
        ::_exit(written ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(FileContents(log), "before\none\ntwo\nafter\n");
    EXPECT_EQ(StatusOf(log).st_ino, inode);
    EXPECT_EQ(EntriesIn(dir_), 1u);
}

TEST_F(FileWriter, NamesAndLinks) {
    fs::create_directory(dir_ / "real");
    PutFileContents(PathOf("real/plane.da4"), "old");
    fs::create_symlink("real/plane.da4", dir_ / "near.da4");
    fs::create_symlink(dir_ / "near.da4", dir_ / "far.da4");  // a chain of two
    fs::create_symlink("real/new.da4", dir_ / "dangling.da4");

    for (const char* link : {"near.da4", "far.da4", "dangling.da4"}) {
        SCOPED_TRACE(link);
        const FileResult written = WriteFileContents(PathOf(link), kNewContent);
        EXPECT_TRUE(written.ok()) << FileMessage(written, Catalogue());
        EXPECT_TRUE(fs::is_symlink(dir_ / link));
        EXPECT_EQ(FileContents(PathOf(link)), kNewContent);
    }
    // The dangling link made its target, as the shell's ">" does.
    EXPECT_EQ(FileContents(PathOf("real/new.da4")), kNewContent);
    EXPECT_EQ(EntriesIn(dir_ / "real"), 2u);

    // A name of the longest length a folder entry can have is created and replaced.
    const std::string longest = PathOf(std::string(251, 'n') + ".da4");
    EXPECT_TRUE(WriteFileContents(longest, "first").ok());
    EXPECT_TRUE(WriteFileContents(longest, kNewContent).ok());
    EXPECT_EQ(FileContents(longest), kNewContent);

    fs::create_directory(dir_ / "folder");
    PutFileContents(PathOf("plain"), "x");
    for (const auto& [name, reason] : {std::pair{"folder", "Is a directory"},
                                       {"plain/x.da4", "Not a directory"},
                                       {"gone/x.da4", "No such file or directory"}}) {
        EXPECT_EQ(FileMessage(WriteFileContents(PathOf(name), kNewContent), Catalogue()),
                  CannotWrite(PathOf(name), reason));
    }
    EXPECT_EQ(EntriesIn(dir_), 7u);
}

TEST_F(FileWriter, ReplacedFileKeepsOwnerModeAttributesAclAndHardLinks) {
    const std::string single = PathOf("single.da4");
    const std::string linked = PathOf("linked.da4");
    const std::string other_name = PathOf("other-name.da4");
    PutFileContents(single, "old");
    PutFileContents(linked, "old old");
    ASSERT_EQ(::link(linked.c_str(), other_name.c_str()), 0);
    // The ACL lets one more user write; its mask stands in the mode's group bits.
    const std::string acl = AclGivingNobodyWrite();
    for (const std::string& path : {single, linked}) {
        ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
        ASSERT_NO_FATAL_FAILURE(GiveToUnprivilegedUser(path));
        ASSERT_EQ(::setxattr(path.c_str(), kComment, "wing", 4, 0), 0);
        ASSERT_EQ(::setxattr(path.c_str(), kAcl, acl.data(), acl.size(), 0), 0);
    }
    const struct stat before = StatusOf(single);
    const ino_t linked_inode = StatusOf(linked).st_ino;

    for (const std::string& path : {single, linked}) {
        const FileResult written = WriteFileContents(path, kNewContent);
        EXPECT_TRUE(written.ok()) << FileMessage(written, Catalogue());
        const struct stat after = StatusOf(path);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(Attribute(path, kComment), "wing");
        EXPECT_EQ(Attribute(path, kAcl), acl);
    }
    EXPECT_EQ(FileContents(single), kNewContent);
    // The second name still is the same file, with the new content.
    EXPECT_EQ(StatusOf(linked).st_ino, linked_inode);
    EXPECT_EQ(StatusOf(linked).st_nlink, 2u);
    EXPECT_EQ(FileContents(other_name), kNewContent);
    EXPECT_EQ(EntriesIn(dir_), 3u);
}

// Files of the unprivileged user 65534 saved by that user.
struct UnprivilegedCase {
    const char* name;
    bool folder_writable;  // else no copy can be kept beside the file
    mode_t mode;
    bool written_in_place;     // the same inode afterwards
    gid_t group = kNobody;     // a group the user is not in: root's (0)
    const char* refused = "";  // the reason, when the save is refused
};

class UnprivilegedSave : public FileWriter,
                         public ::testing::WithParamInterface<UnprivilegedCase> {};

TEST_P(UnprivilegedSave, KeepsModeAndAttributes) {
    const UnprivilegedCase& each = GetParam();
    if (each.group != kNobody && ::geteuid() != 0) {
        GTEST_SKIP() << "a file in another user's group needs root";
    }
    const std::string path = PathOf("plane.da4");
    PutFileContents(path, "old old old old");
    ASSERT_EQ(::setxattr(path.c_str(), kComment, "wing", 4, 0), 0);
    ASSERT_NO_FATAL_FAILURE(GiveToUnprivilegedUser(path));
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), kNobody, each.group), 0);
    }
    ASSERT_EQ(::chmod(path.c_str(), each.mode), 0);
    ASSERT_NO_FATAL_FAILURE(GiveToUnprivilegedUser(dir_.string()));
    ASSERT_EQ(::chmod(dir_.c_str(), each.folder_writable ? 0755 : 0555), 0);
    const ino_t inode = StatusOf(path).st_ino;

    const std::string refused = *each.refused == '\0' ? "" : CannotWrite(path, each.refused);
    EXPECT_EQ(AsUnprivilegedUser([&] { return WriteFileContents(path, kNewContent); }), refused);
    ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
    EXPECT_EQ(FileContents(path), refused.empty() ? kNewContent : "old old old old");
    EXPECT_EQ(StatusOf(path).st_mode & 07777, each.mode);
    EXPECT_EQ(Attribute(path, kComment), "wing");
    EXPECT_EQ(StatusOf(path).st_ino == inode, each.written_in_place);
    EXPECT_EQ(EntriesIn(dir_), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnprivilegedSave,
    ::testing::Values(
        // A write clears the set-ID bits: the renamed copy gets them after its content.
        UnprivilegedCase{"SetIdBitsRenamed", true, 06755, false},
        UnprivilegedCase{"SetIdBitsInPlace", false, 06755, true},
        // An attribute that cannot be read for the copy: written in place, kept.
        UnprivilegedCase{"UnreadableAttribute", true, 0200, true},
        // The set-group-ID bit of a group the user is not in: a copy cannot take that
        // group, and a write in place would drop the bit for good.
        UnprivilegedCase{"SetGroupIdOfAnotherGroup", true, 02775, true, 0,
                         "written into the file itself, it would lose its set-user-ID or "
                         "set-group-ID bit, which this user cannot set again; nothing was "
                         "written"}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(FileWriter, WriteProtectedFileIsRefusedAsTheShellRefusesIt) {
    // A folder everyone may write, as /tmp is (without its sticky bit).
    ASSERT_EQ(::chmod(dir_.c_str(), 0777), 0);
    const std::string own = PathOf("keep.da4");
    PutFileContents(own, "old");
    ASSERT_NO_FATAL_FAILURE(GiveToUnprivilegedUser(own));
    ASSERT_EQ(::chmod(own.c_str(), 0444), 0);
    EXPECT_EQ(AsUnprivilegedUser([&] { return WriteFileContents(own, kNewContent); }),
              CannotWrite(own, "Permission denied"));
    EXPECT_EQ(FileContents(own), "old");

    if (::geteuid() != 0) {
        // A folder the user may not write takes no new file.
        const std::string fresh = PathOf("fresh.da4");
        ::chmod(dir_.c_str(), 0555);
        EXPECT_EQ(FileMessage(WriteFileContents(fresh, kNewContent), Catalogue()),
                  CannotWrite(fresh, "Permission denied"));
        ::chmod(dir_.c_str(), 0755);
        GTEST_SKIP() << "the cases of a root-owned file need root";
    }
    const std::string roots = PathOf("root.da4");
    PutFileContents(roots, "old");
    ASSERT_EQ(::chmod(roots.c_str(), 0444), 0);
    EXPECT_EQ(AsUnprivilegedUser([&] { return WriteFileContents(roots, kNewContent); }),
              CannotWrite(roots, "Permission denied"));
    EXPECT_EQ(FileContents(roots), "old");
    EXPECT_EQ(StatusOf(roots).st_uid, 0u);
    // Root itself may write it, and it stays read-only.
    EXPECT_TRUE(WriteFileContents(roots, kNewContent).ok());
    EXPECT_EQ(FileContents(roots), kNewContent);
    EXPECT_EQ(StatusOf(roots).st_mode & 07777, 0444u);

    // An immutable file (chattr +i) refuses root too, and stays as it was.
    const std::string immutable = PathOf("immutable.da4");
    PutFileContents(immutable, "old");
    const int fd = ::open(immutable.c_str(), O_RDONLY | O_CLOEXEC);
    int flags = FS_IMMUTABLE_FL;
    if (::ioctl(fd, FS_IOC_SETFLAGS, &flags) != 0) {
        ::close(fd);
        GTEST_SKIP() << "no immutable files here: " << std::strerror(errno);
    }
    EXPECT_EQ(FileMessage(WriteFileContents(immutable, kNewContent), Catalogue()),
              CannotWrite(immutable, "Operation not permitted"));
    flags = 0;
    ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    ::close(fd);
    EXPECT_EQ(FileContents(immutable), "old");
    EXPECT_EQ(EntriesIn(dir_), 3u);
}

// A file size limit (ulimit -f) that the new content passes, without the program
// ignoring SIGXFSZ itself: the writer reports it, and leaves no partial file.
TEST_F(FileWriter, FileSizeLimitIsReportedNotFatal) {
    const std::string earlier = PathOf("plane.da4");
    PutFileContents(earlier, "old");
    const std::string content(300, 'n');
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit small{100, 100};
        const bool reported =
            ::setrlimit(RLIMIT_FSIZE, &small) == 0 &&
            FileMessage(WriteFileContents(earlier, content), Catalogue()) ==
                CannotWrite(earlier, "File too large") &&
            FileMessage(WriteFileContents(PathOf("new.da4"), content), Catalogue()) ==
                CannotWrite(PathOf("new.da4"), "File too large");
        ::_exit(reported ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(FileContents(earlier), "old");
    EXPECT_EQ(EntriesIn(dir_), 1u);
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
        EXPECT_EQ(FileMessage(each.result, Catalogue()), each.english);
        EXPECT_EQ(FileMessage(each.result, Catalogue(Language::kRussian)), each.russian);
    }
}

// A full disk of each kind: ext4 and tmpfs can reserve a file's space before it is
// written, ext2 cannot. Whatever path the writer takes, the earlier files keep their
// content and length, and nothing is left behind.
class FullDisk : public ::testing::TestWithParam<DiskKind> {};

TEST_P(FullDisk, EarlierFilesStayWholeAndTheReasonIsGiven) {
    SmallDisk disk(GetParam(), 1 << 20);
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.why_not();
    }
    TempFolder copies("file_writer_copies");
    // A summary page's size, larger than the blocks the earlier file holds.
    const std::string earlier(100000, 'o');
    const std::string content(130000, 'n');
    ASSERT_EQ(::chmod(copies.path().c_str(), 0777), 0);
    fs::create_directory(disk.PathOf("locked"));
    for (const char* name : {"plane.pdf", "linked.pdf", "locked/plane.pdf"}) {
        PutFileContents(disk.PathOf(name), earlier);
        ASSERT_NO_FATAL_FAILURE(GiveToUnprivilegedUser(disk.PathOf(name)));
    }
    ASSERT_EQ(::link(disk.PathOf("linked.pdf").c_str(), disk.PathOf("second.pdf").c_str()), 0);
    const blkcnt_t blocks = StatusOf(disk.PathOf("locked/plane.pdf")).st_blocks;
    ASSERT_TRUE(disk.Fill());
    const std::string no_space = "No space left on device";
    const std::string no_safe_way =
        "it can only be written in place, and its file system cannot reserve the space, and no "
        "safety copy could be made (Permission denied)";

    for (const char* name : {"plane.pdf", "linked.pdf", "new.pdf"}) {
        EXPECT_EQ(FileMessage(WriteFileContents(disk.PathOf(name), content), Catalogue()),
                  CannotWrite(disk.PathOf(name), no_space));
    }
    // The unprivileged owner of a file in a folder it may not write: the file itself
    // takes the content, with a copy in the temporary folder, or without one where
    // the space can be reserved.
    const std::string locked = disk.PathOf("locked/plane.pdf");
    for (const bool copy_possible : {true, false}) {
        ASSERT_EQ(::chmod(copies.path().c_str(), copy_possible ? 0777 : 0555), 0);
        const std::string message = AsUnprivilegedUser([&] {
            ::unsetenv("XDG_RUNTIME_DIR");
            ::setenv("TMPDIR", copies.path().c_str(), 1);
            return WriteFileContents(locked, content);
        });
        const bool refused = !copy_possible && GetParam() == DiskKind::kExt2;
        EXPECT_EQ(message, CannotWrite(locked, refused ? no_safe_way : no_space))
            << "copy possible: " << copy_possible;
        EXPECT_EQ(EntriesIn(copies.path()), 0u);
    }
    for (const char* name : {"plane.pdf", "linked.pdf", "locked/plane.pdf"}) {
        const std::string now = FileContents(disk.PathOf(name));
        EXPECT_TRUE(now == earlier) << name << " holds " << now.size() << " bytes";
        // A refused reservation gave back what it took.
        EXPECT_EQ(StatusOf(disk.PathOf(name)).st_blocks, blocks) << name;
    }
    // The files, the folder, the filler, and lost+found on the ext images.
    EXPECT_EQ(EntriesIn(disk.PathOf("")), GetParam() == DiskKind::kTmpfs ? 5u : 6u);
    EXPECT_EQ(EntriesIn(disk.PathOf("locked")), 1u);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FullDisk,
                         ::testing::Values(DiskKind::kTmpfs, DiskKind::kExt2, DiskKind::kExt4),
                         [](const auto& param_info) {
                             return std::string(DiskKindName(param_info.param));
                         });

// Another process saves the same new name while this one's first save fails: the
// failing save removes only its own new file, so the other's complete file stays.
TEST(WriterSeams, FailedFirstSaveLeavesTheOtherProcesssFile) {
    SmallDisk disk(DiskKind::kTmpfs, 64 * 1024);
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.why_not();
    }
    const std::string target = disk.PathOf("plane.da4");
    PutFileContents(disk.PathOf("other.tmp"), "other");
    ASSERT_TRUE(disk.Fill());
    WriterSeam other_process_saves;
    other_process_saves.new_file_created = [&] {
        ASSERT_EQ(::rename(disk.PathOf("other.tmp").c_str(), target.c_str()), 0);
    };
    EXPECT_EQ(FileMessage(WriteFileContents(target, std::string(8192, 'n'), other_process_saves),
                          Catalogue()),
              CannotWrite(target, "No space left on device"));
    EXPECT_EQ(FileContents(target), "other");
    EXPECT_EQ(EntriesIn(disk.PathOf("")), 2u);
}

// A file renamed away by another program after it was opened: refused, for the
// content would go to a file no longer under the name.
TEST_F(FileWriter, TargetRenamedAfterItWasOpenedIsRefused) {
    const std::string path = PathOf("plane.da4");
    PutFileContents(path, "old");
    WriterSeam other_program_renames;
    other_program_renames.target_opened = [&] {
        ASSERT_EQ(::rename(path.c_str(), PathOf("moved.da4").c_str()), 0);
    };
    EXPECT_EQ(FileMessage(WriteFileContents(path, kNewContent, other_program_renames), Catalogue()),
              CannotWrite(path,
                          "it was renamed or replaced while it was being saved; nothing "
                          "was written"));
    EXPECT_EQ(FileContents(PathOf("moved.da4")), "old");
    EXPECT_EQ(EntriesIn(dir_), 1u);
}

// A design and its parts are one replace: a kill just before it leaves the old pair
// whole, and after it the new pair is whole.
TEST_F(FileWriter, KillDuringTheReplaceLeavesTheOldOrTheNewDesignWhole) {
    const std::string path = PathOf("plane.da4");
    Da4Values values{};
    values[0] = 1;
    Da4Sections old_parts;
    old_parts.parts = {{"motor", 110, -60}};
    ASSERT_TRUE(WriteDa4File(path, values, old_parts).ok());
    values[0] = 2;
    Da4Sections new_parts;
    new_parts.parts = {{"motor", 90, -50}, {"battery", 150, -20}};
    const pid_t child = ::fork();
    if (child == 0) {
        WriterSeam killed;
        killed.before_replace = [] { ::raise(SIGKILL); };
        WriteFileContents(path, FormatDa4File(values, new_parts), killed);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    const Da4ReadResult old_read = ReadDa4File(path);
    EXPECT_EQ(old_read.values[0], 1);
    EXPECT_EQ(old_read.sections.parts, old_parts.parts);

    ASSERT_TRUE(WriteDa4File(path, values, new_parts).ok());
    const Da4ReadResult new_read = ReadDa4File(path);
    EXPECT_EQ(new_read.values[0], 2);
    EXPECT_EQ(new_read.sections.parts, new_parts.parts);
}

// Written in place (a second hard link) with a safety copy beside it that the user
// can no longer remove: saved, and the copy is named.
TEST_F(FileWriter, SafetyCopyThatCannotBeRemovedIsNamed) {
    const std::string path = PathOf("plane.da4");
    PutFileContents(path, "old");
    ASSERT_EQ(::link(path.c_str(), PathOf("second.da4").c_str()), 0);
    ASSERT_NO_FATAL_FAILURE(GiveToUnprivilegedUser(path));
    ASSERT_NO_FATAL_FAILURE(GiveToUnprivilegedUser(dir_.string()));
    WriterSeam folder_locked;
    folder_locked.safety_copy_made = [&] { ::chmod(dir_.c_str(), 0555); };
    const std::string message =
        AsUnprivilegedUser([&] { return WriteFileContents(path, kNewContent, folder_locked); });
    ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
    const std::string start =
        "Saved \"" + path + "\", but its safety copy \"" + PathOf(".kalvesta-");
    EXPECT_EQ(message.rfind(start, 0), 0u) << message;
    EXPECT_TRUE(message.ends_with(".tmp\" could not be removed: Permission denied")) << message;
    EXPECT_EQ(FileContents(path), kNewContent);
    EXPECT_EQ(EntriesIn(dir_), 3u);
}

}  // namespace
}  // namespace kalvesta
