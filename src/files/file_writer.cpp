// POSIX implementation of the writer: look at what the path names, then write in
// place, create, or replace through a synced temporary file beside the target.
#include "files/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "files/file_descriptor.h"

namespace kalvesta {
namespace {

// The kernel's own limit on the links followed in one path.
constexpr int kMaxLinkHops = 40;

FileResult SystemFailure(const std::string& path, int error_number) {
    return kalvesta::SystemFailure(FileError::kCannotWrite, path, error_number);
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Writes all of `bytes` from the descriptor's position, retrying on interruption
// and short writes; 0 or an errno value.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

// fsync, where the file can be synced at all (pipes and terminals report EINVAL).
int Sync(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
}

// Writes, syncs and closes; the first failure as an errno value, else 0.
int WriteSyncClose(FileDescriptor& fd, std::string_view bytes) {
    int error = WriteAll(fd.get(), bytes);
    if (error == 0) {
        error = Sync(fd.get());
    }
    const int closed = fd.Close();
    return error != 0 ? error : closed;
}

// Overwrites the open regular file with `bytes`, cuts it to their length and closes
// it. Its space is reserved first, so that a full disk stops the copy before the
// first byte of the file changes (where the file system can reserve space).
int CopyInto(FileDescriptor& file, std::string_view bytes) {
    const int fd = file.get();
    const auto size = static_cast<off_t>(bytes.size());
    int error = 0;
    if (size > 0 && ::fallocate(fd, 0, 0, size) != 0 && errno != EOPNOTSUPP) {
        error = errno;
    } else if (::lseek(fd, 0, SEEK_SET) != 0) {
        error = errno;
    } else if (error = WriteAll(fd, bytes); error == 0) {
        error = ::ftruncate(fd, size) == 0 ? Sync(fd) : errno;
    }
    const int closed = file.Close();
    return error != 0 ? error : closed;
}

// The last name of the chain of symbolic links that starts at `path` (`path` itself
// when it is no link); a relative link counts from the folder of the link.
std::string FinalLinkName(const std::string& path) {
    std::filesystem::path name = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(name.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            break;
        }
        std::error_code ec;
        const std::filesystem::path target = std::filesystem::read_symlink(name, ec);
        if (ec) {
            break;
        }
        name = target.is_absolute() ? target : name.parent_path() / target;
    }
    return name.string();
}

// Creates a new, empty temporary file beside `target`; returns its descriptor (or
// −1) and its name.
int CreateTemporaryBeside(const std::string& target, std::string& temp_name) {
    // A short name of its own, so that a target name near the length limit still
    // leaves room for it.
    const std::filesystem::path folder = std::filesystem::path(target).parent_path();
    const std::string stem = ".kalvesta-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_name = (folder / (stem + std::to_string(attempt) + ".tmp")).string();
        const int fd = ::open(temp_name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Makes a rename or a new name durable: fsync of the folder holding the file.
// Failure here is not reported, since the new content is already in place.
void SyncFolderOf(const std::string& file) {
    std::filesystem::path folder = std::filesystem::path(file).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.open()) {
        ::fsync(fd.get());
    }
}

// Nothing exists under `target` yet: it is created, and removed again on failure.
FileResult CreateNew(const std::string& path, const std::string& target, std::string_view bytes) {
    FileDescriptor fd(
        ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
    if (!fd.open()) {
        return SystemFailure(path, errno);
    }
    if (const int error = WriteSyncClose(fd, bytes); error != 0) {
        ::unlink(target.c_str());
        return SystemFailure(path, error);
    }
    SyncFolderOf(target);
    return FileResult{};
}

// A device, named pipe or socket: opened and written as it is.
FileResult WriteInPlace(const std::string& path, const struct stat& status,
                        std::string_view bytes) {
    const bool pipe = S_ISFIFO(status.st_mode);
    // Opening a pipe for writing would wait for a reader; without one it is refused.
    FileDescriptor fd(
        ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | (pipe ? O_NONBLOCK : 0)));
    if (!fd.open()) {
        return pipe && errno == ENXIO
                   ? FileFailure(FileError::kCannotWrite, path, FileReason::kNoPipeReader)
                   : SystemFailure(path, errno);
    }
    if (pipe) {
        const int flags = ::fcntl(fd.get(), F_GETFL);
        if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
            return SystemFailure(path, errno);
        }
    }
    if (const int error = WriteSyncClose(fd, bytes); error != 0) {
        return SystemFailure(path, error);
    }
    return FileResult{};
}

// An existing regular file, which the process may open for writing.
FileResult ReplaceRegular(const std::string& path, std::string_view bytes) {
    FileDescriptor target_fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    struct stat status {};
    if (!target_fd.open() || ::fstat(target_fd.get(), &status) != 0) {
        return SystemFailure(path, errno);
    }
    const std::string target = FinalLinkName(path);
    struct stat named {};
    const bool target_known = ::stat(target.c_str(), &named) == 0 && SameFile(named, status);
    std::string temp_name;
    FileDescriptor temp(target_known ? CreateTemporaryBeside(target, temp_name) : -1);
    if (!temp.open()) {
        // No copy can be kept beside it (a folder the user may not write, or a file
        // known only through /proc): the file itself is overwritten.
        const int error = CopyInto(target_fd, bytes);
        return error != 0 ? SystemFailure(path, error) : FileResult{};
    }

    // The copy takes the file's owner and group where the process may set them
    // (first, since a change of owner clears the set-user-ID bits), then its mode.
    const bool owner_kept = ::fchown(temp.get(), status.st_uid, status.st_gid) == 0;
    int error = ::fchmod(temp.get(), status.st_mode & 07777) == 0 ? 0 : errno;
    if (error == 0) {
        error = WriteSyncClose(temp, bytes);
    }
    if (error == 0 && owner_kept && status.st_nlink == 1) {
        error = ::rename(temp_name.c_str(), target.c_str()) == 0 ? 0 : errno;
        if (error == 0) {
            SyncFolderOf(target);
            return FileResult{};
        }
    }
    if (error != 0) {
        temp.Close();
        ::unlink(temp_name.c_str());
        return SystemFailure(path, error);
    }

    // Other hard links or another owner: the content goes into the file itself, with
    // the synced copy as the fallback should that fail.
    error = CopyInto(target_fd, bytes);
    if (error != 0) {
        return WithAftermath(SystemFailure(path, error), temp_name, false);
    }
    ::unlink(temp_name.c_str());
    return FileResult{};
}

}  // namespace

FileResult WriteStandardOutput(std::string_view bytes) {
    if (const int error = WriteAll(STDOUT_FILENO, bytes); error != 0) {
        return SystemFailure(kStandardOutputName, error);
    }
    return FileResult{};
}

FileResult WriteFileContents(const std::string& path, std::string_view bytes) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno != ENOENT) {
            return SystemFailure(path, errno);
        }
        return CreateNew(path, FinalLinkName(path), bytes);
    }
    if (S_ISDIR(status.st_mode)) {
        return SystemFailure(path, EISDIR);
    }
    struct stat output {};
    if (::fstat(STDOUT_FILENO, &output) == 0 && SameFile(status, output)) {
        // Written where the process's output stands, not over it from the start.
        const int error = WriteAll(STDOUT_FILENO, bytes);
        return error != 0 ? SystemFailure(path, error) : FileResult{};
    }
    if (!S_ISREG(status.st_mode)) {
        return WriteInPlace(path, status, bytes);
    }
    return ReplaceRegular(path, bytes);
}

}  // namespace kalvesta
