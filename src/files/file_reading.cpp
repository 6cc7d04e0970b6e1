// POSIX reading of regular files.
#include "files/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace kalvesta {

FileResult OpenRegularFile(const std::string& path, std::optional<FileDescriptor>& file,
                           LinkRule links) {
    // Non-blocking, so that opening a named pipe cannot hang; it is refused below.
    const int no_link = links == LinkRule::kRefuse ? O_NOFOLLOW : 0;
    file.emplace(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | no_link));
    struct stat status {};
    if (!file->open() || ::fstat(file->get(), &status) != 0) {
        const int error_number = errno;
        file.reset();
        struct stat entry {};
        if (error_number == ELOOP && no_link != 0 && ::lstat(path.c_str(), &entry) == 0 &&
            S_ISLNK(entry.st_mode)) {
            return FileFailure(FileError::kCannotOpen, path, FileReason::kLinkNotFollowed);
        }
        return SystemFailure(FileError::kCannotOpen, path, error_number);
    }
    if (S_ISREG(status.st_mode)) {
        return FileResult{};
    }
    file.reset();
    return S_ISDIR(status.st_mode)
               ? SystemFailure(FileError::kCannotOpen, path, EISDIR)
               : FileFailure(FileError::kCannotOpen, path, FileReason::kNotRegularFile);
}

FileResult ReadInChunks(const std::string& path, const FileDescriptor& file, int64_t max_bytes,
                        const std::function<bool(std::string_view chunk)>& take) {
    std::array<char, 65536> buffer{};
    for (int64_t left = max_bytes; left > 0;) {
        const auto wanted = static_cast<size_t>(std::min<int64_t>(left, buffer.size()));
        const ssize_t count = ::read(file.get(), buffer.data(), wanted);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return SystemFailure(FileError::kCannotRead, path, errno);
        }
        if (count == 0 || !take(std::string_view(buffer.data(), static_cast<size_t>(count)))) {
            break;
        }
        left -= count;
    }
    return FileResult{};
}

}  // namespace kalvesta
