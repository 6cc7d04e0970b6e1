// POSIX file input and output of ".da4" files: bounded reading, and writing through
// the program's one file writer.
#include "files/da4_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "files/da4_text_reader.h"
#include "files/file_descriptor.h"

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
    return WriteFileContents(path, FormatDa4Text(values));
}

}  // namespace kalvesta
