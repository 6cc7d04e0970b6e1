// POSIX reading of regular files.
#include "files/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace kalvesta {

FileResult OpenRegularFile(const std::string& path, std::optional<FileDescriptor>& file) {
    // Non-blocking, so that opening a named pipe cannot hang; it is refused below.
    file.emplace(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file->open() || ::fstat(file->get(), &status) != 0) {
        const int error_number = errno;
        file.reset();
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

FileResult ReadWholeFile(const std::string& path, int64_t max_bytes, std::string& bytes) {
    bytes.clear();
    std::optional<FileDescriptor> file;
    if (const FileResult opened = OpenRegularFile(path, file); !opened.ok()) {
        return opened;
    }
    std::array<char, 65536> buffer{};
    while (true) {
        const ssize_t count = ::read(file->get(), buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return SystemFailure(FileError::kCannotRead, path, errno);
        }
        if (count == 0) {
            return FileResult{};
        }
        if (static_cast<int64_t>(bytes.size()) + count > max_bytes) {
            bytes.clear();
            return ContentFailure(
                FileError::kCannotRead, path,
                {TextId::kFileTooLong, {{"mebibytes", std::to_string(max_bytes >> 20)}}});
        }
        bytes.append(buffer.data(), static_cast<size_t>(count));
    }
}

}  // namespace kalvesta
