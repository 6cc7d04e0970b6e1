// POSIX file input and output of ".da4" files: bounded reading, and writing through
// a temporary file that replaces the target only when it is complete.
#include "files/da4_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "files/da4_text_reader.h"

namespace kalvesta {
namespace {

FileResult Failure(FileError error, std::string_view verb, const std::string& path,
                   std::string_view reason) {
    FileResult result;
    result.error = error;
    result.message = std::string(verb) + " \"" + path + "\": " + std::string(reason);
    return result;
}

FileResult SystemFailure(FileError error, std::string_view verb, const std::string& path,
                         int error_number) {
    return Failure(error, verb, path, std::strerror(error_number));
}

// A file descriptor that is closed when it goes out of scope (unless released).
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes now and reports the result of close() (0 or an errno value).
    int Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Writes all of `text`, retrying on interruption and short writes; 0 or an errno.
int WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        text.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

// The file a save really replaces: the target of a symbolic link, else `path`.
std::string ResolveTarget(const std::string& path) {
    struct stat link_status {};
    if (::lstat(path.c_str(), &link_status) == 0 && S_ISLNK(link_status.st_mode)) {
        std::error_code ec;
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, ec);
        if (!ec) {
            return resolved.string();
        }
    }
    return path;
}

// Creates a new, empty temporary file beside `target`; returns its descriptor (or
// −1 with errno set) and its name.
int CreateTemporaryBeside(const std::string& target, std::string& temp_name) {
    // A short name of its own, so that a target name near the length limit still
    // leaves room for it.
    const std::filesystem::path folder = std::filesystem::path(target).parent_path();
    const std::string stem = ".da4-save-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_name = (folder / (stem + std::to_string(attempt) + ".tmp")).string();
        const int fd = ::open(temp_name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Makes the rename durable: fsync of the folder holding the file. Failure here is
// not reported, since the new file is already in place.
void SyncFolderOf(const std::string& file) {
    std::filesystem::path folder = std::filesystem::path(file).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

Da4ReadResult ReadDa4File(const std::string& path) {
    Da4ReadResult read;
    // Non-blocking, so that opening a named pipe cannot hang; it is refused below.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        read.result = SystemFailure(FileError::kCannotOpen, "Cannot open", path, errno);
        return read;
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        read.result = SystemFailure(FileError::kCannotOpen, "Cannot open", path, errno);
        return read;
    }
    if (S_ISDIR(status.st_mode)) {
        read.result = SystemFailure(FileError::kCannotOpen, "Cannot open", path, EISDIR);
        return read;
    }
    if (!S_ISREG(status.st_mode)) {
        read.result = Failure(FileError::kCannotOpen, "Cannot open", path, "Not a regular file");
        return read;
    }

    Da4TextReader reader;
    std::array<char, 16384> buffer{};
    int64_t scanned = 0;
    while (scanned < kMaxDa4ScanBytes) {
        const ssize_t count = ::read(file.get(), buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            read.result = SystemFailure(FileError::kCannotRead, "Cannot read", path, errno);
            return read;
        }
        if (count == 0) {
            break;
        }
        const auto usable =
            static_cast<size_t>(std::min<int64_t>(count, kMaxDa4ScanBytes - scanned));
        scanned += static_cast<int64_t>(usable);
        if (!reader.Feed(std::string_view(buffer.data(), usable))) {
            break;
        }
    }
    read.values = reader.Finish();
    return read;
}

FileResult WriteDa4File(const std::string& path, const Da4Values& values) {
    const std::string target = ResolveTarget(path);
    std::string temp_name;
    FileDescriptor temp(CreateTemporaryBeside(target, temp_name));
    if (temp.get() < 0) {
        return SystemFailure(FileError::kCannotWrite, "Cannot write", path, errno);
    }
    // Every failure from here on removes the temporary file and leaves the target.
    const auto fail = [&](int error_number) {
        if (temp.get() >= 0) {
            temp.Close();
        }
        ::unlink(temp_name.c_str());
        return SystemFailure(FileError::kCannotWrite, "Cannot write", path, error_number);
    };

    struct stat old_status {};
    if (::stat(target.c_str(), &old_status) == 0 && S_ISREG(old_status.st_mode)) {
        if (::fchmod(temp.get(), old_status.st_mode & 07777) != 0) {
            return fail(errno);
        }
    }
    if (const int error = WriteAll(temp.get(), FormatDa4Text(values)); error != 0) {
        return fail(error);
    }
    // A file system that cannot sync (EINVAL) still gets the file; any other
    // failure to reach the disk is a failed save.
    if (::fsync(temp.get()) != 0 && errno != EINVAL) {
        return fail(errno);
    }
    if (const int error = temp.Close(); error != 0) {
        return fail(error);
    }
    if (::rename(temp_name.c_str(), target.c_str()) != 0) {
        return fail(errno);
    }
    SyncFolderOf(target);
    return FileResult{};
}

}  // namespace kalvesta
