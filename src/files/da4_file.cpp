// POSIX file input and output of ".da4" files: bounded reading, and writing through
// the program's one file writer.
#include "files/da4_file.h"

#include <sys/stat.h>

#include <optional>

#include "files/file_reading.h"
#include "files/parts_csv.h"

namespace kalvesta {

bool Da4FileReader::Feed(std::string_view chunk) {
    if (!in_sections_) {
        const size_t before = lines_.taken();
        if (lines_.Feed(chunk)) {
            return true;
        }
        chunk.remove_prefix(lines_.taken() - before);
        in_sections_ = true;
        if (lines_.ended_with_cr()) {
            sections_.AfterCarriageReturn();
        }
    }
    return sections_.Feed(chunk);
}

Da4ReadResult Da4FileReader::Finish(const std::string& path) {
    Da4ReadResult read;
    if (in_sections_) {
        sections_.Finish();
        if (sections_.problem()) {
            read.result = LineFailure(path, *sections_.problem());
            return read;
        }
        read.sections = std::move(sections_.sections());
    }
    read.values = lines_.Finish();
    read.numbered_lines = lines_.numbered_lines();
    return read;
}

Da4ReadResult ParseDa4File(std::string_view text, const std::string& path) {
    Da4FileReader reader;
    reader.Feed(text);
    return reader.Finish(path);
}

Da4ReadResult ReadDa4File(const std::string& path) {
    Da4ReadResult read;
    std::optional<FileDescriptor> file;
    read.result = OpenRegularFile(path, file);
    if (!read.result.ok()) {
        return read;
    }
    Da4FileReader reader;
    read.result = ReadInChunks(path, *file, kMaxDa4ScanBytes,
                               [&reader](std::string_view chunk) { return reader.Feed(chunk); });
    return read.result.ok() ? reader.Finish(path) : read;
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

std::string FormatDa4File(const Da4Values& values, const Da4Sections& sections) {
    return FormatDa4Text(values) + FormatSections(sections);
}

FileResult WriteDa4File(const std::string& path, const Da4Values& values, Da4Sections sections) {
    struct stat companion {};
    if (!sections.parts && ::lstat(PartsFileNameFor(path).c_str(), &companion) == 0) {
        sections.parts.emplace();
    }
    return WriteFileContents(path, FormatDa4File(values, sections));
}

}  // namespace kalvesta
