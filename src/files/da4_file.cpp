// POSIX file input and output of ".da4" files: bounded reading, and writing through
// the program's one file writer.
#include "files/da4_file.h"

#include <sys/stat.h>

#include <algorithm>
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
    read.lines_read = lines_.lines_read();
    read.unclear_lines = lines_.unclear_lines();
    return read;
}

Da4ReadResult ParseDa4File(std::string_view text, const std::string& path) {
    Da4FileReader reader;
    reader.Feed(text.substr(0, static_cast<size_t>(kMaxDa4ScanBytes)));
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

FileResult AircraftFileResult(const Da4ReadResult& read, const std::string& path) {
    if (!read.result.ok() || read.numbered_lines > 0) {
        return read.result;
    }
    return ContentFailure(FileError::kCannotRead, path, TextId::kFileNoAircraft);
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

bool Da4Leniency::empty() const {
    return first_missing_line == 0 && unclear_lines.empty() && !wing_count &&
           std::none_of(trapezoid_counts.begin(), trapezoid_counts.end(),
                        [](const std::optional<int32_t>& count) { return count.has_value(); });
}

Da4Leniency LeniencyOf(const Da4ReadResult& read) {
    constexpr int kLastUsedLine = kDa4LineCount - 1;
    Da4Leniency leniency;
    if (read.lines_read < kLastUsedLine) {
        leniency.first_missing_line = read.lines_read + 1;
    }
    for (const int line : read.unclear_lines) {
        if (line <= kLastUsedLine) {
            leniency.unclear_lines.push_back({line, read.values[static_cast<size_t>(line - 1)]});
        }
    }
    if (read.values[0] < 1 || read.values[0] > kMaxWings) {
        leniency.wing_count = read.values[0];
    }
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        const int32_t count =
            read.values[static_cast<size_t>(Da4Index(wing, da4::kTrapezoidCount))];
        if (count < 1 || count > kMaxTrapezoids) {
            leniency.trapezoid_counts[static_cast<size_t>(wing)] = count;
        }
    }
    return leniency;
}

}  // namespace kalvesta
