// POSIX file input and output of ".da4" files: bounded reading, and writing through
// the program's one file writer.
#include "files/da4_file.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <string_view>

#include "files/da4_text_reader.h"
#include "files/file_reading.h"

namespace kalvesta {

Da4ReadResult ReadDa4File(const std::string& path) {
    Da4ReadResult read;
    std::optional<FileDescriptor> file;
    read.result = OpenRegularFile(path, file);
    if (!read.result.ok()) {
        return read;
    }

    Da4TextReader reader;
    std::array<char, 16384> buffer{};
    int64_t scanned = 0;
    while (scanned < kMaxDa4ScanBytes) {
        const ssize_t count = ::read(file->get(), buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            read.result = SystemFailure(FileError::kCannotRead, path, errno);
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
    read.numbered_lines = reader.numbered_lines();
    return read;
}

Da4ReadResult ReadDa4Text(std::string_view text) {
    Da4TextReader reader;
    reader.Feed(text.substr(0, static_cast<size_t>(kMaxDa4ScanBytes)));
    Da4ReadResult read;
    read.values = reader.Finish();
    read.numbered_lines = reader.numbered_lines();
    return read;
}

FileResult AircraftFileResult(const Da4ReadResult& read, const std::string& path) {
    if (!read.result.ok() || read.numbered_lines > 0) {
        return read.result;
    }
    return ContentFailure(FileError::kCannotRead, path,
                          {"not one of its lines holds a number: it is no aircraft file",
                           "ни в одной его строке нет числа: это не файл самолёта"});
}

FileResult WriteDa4File(const std::string& path, const Da4Values& values) {
    return WriteFileContents(path, FormatDa4Text(values));
}

}  // namespace kalvesta
