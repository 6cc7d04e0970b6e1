// Reading and writing ".da4" files: the 53 values of the design and the sections
// after them (da4_sections.h). Failures come back as values whose message names the
// file and the reason, ready to be shown to the user as they stand.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/da4_format.h"
#include "files/da4_sections.h"
#include "files/da4_text_reader.h"
#include "files/file_writer.h"

namespace kalvesta {

struct Da4ReadResult {
    FileResult result;
    Da4Values values{};              // all 0 when result is not ok
    int numbered_lines = 0;          // of the 53 lines read, those that held a number
    int lines_read = 0;              // of the 53 lines, those the file held; the rest read as 0
    std::vector<int> unclear_lines;  // lines (from 1) that were no whole number
    Da4Sections sections;            // none when result is not ok
};

// Reads a ".da4" file's text chunk by chunk: the 53 values, then the sections.
class Da4FileReader {
public:
    // Takes the next chunk; false once nothing more is wanted.
    bool Feed(std::string_view chunk);
    // The text ends: what it holds, or why it cannot be used (`path` names the file).
    Da4ReadResult Finish(const std::string& path);
    // The most bytes of the sections' lines, rows and values held at once.
    size_t peak_bytes_kept() const { return sections_.peak_bytes_kept(); }

private:
    Da4TextReader lines_;
    Da4SectionsReader sections_{kDa4LineCount + 1};
    bool in_sections_ = false;
};

// The file's whole text read at once (a file the browser page was given, too): the
// same rules as ReadDa4File, and nothing beyond kMaxDa4ScanBytes.
Da4ReadResult ParseDa4File(std::string_view text, const std::string& path);

// Reads the file at `path` (rules in da4_text_reader.h and da4_sections.h), at most
// kMaxDa4ScanBytes: what lies beyond that limit reads as missing. Refuses directories
// and anything that is not a regular file (a pipe or a device would never end or
// never answer), and a file whose sections are incomplete or unknown.
Da4ReadResult ReadDa4File(const std::string& path);

inline constexpr int64_t kMaxDa4ScanBytes = int64_t{64} << 20;

// Whether a read file can be opened as an aircraft: its read failure, or, when not
// one of its lines held a number, that it is no aircraft file (random bytes or a
// text of another kind, which would otherwise load as an aircraft of zeros and be
// overwritten by the next Save); success otherwise.
FileResult AircraftFileResult(const Da4ReadResult& read, const std::string& path);

// What the lenient reading of a file filled in or kept, for the user to know: lines
// missing before the 53rd (read as 0), lines that were no whole number (read as
// their leading digits), and counts outside their range (the current ones kept).
// Line 53 is never used, so it is never named.
struct Da4Leniency {
    struct UnclearLine {
        int line = 0;  // from 1
        int32_t value = 0;
    };
    int first_missing_line = 0;  // 0: none missing
    std::vector<UnclearLine> unclear_lines;
    std::optional<int32_t> wing_count;                   // the file's, when it is not 1..3
    PerWing<std::optional<int32_t>> trapezoid_counts{};  // the file's, when not 1..4
    bool empty() const;
};
Da4Leniency LeniencyOf(const Da4ReadResult& read);

// The file text: the 53 lines, then the sections that hold something.
std::string FormatDa4File(const Da4Values& values, const Da4Sections& sections);

// Writes FormatDa4File's text to `path` by WriteFileContents, in one replace: an
// earlier file is replaced only once the new content is complete, keeps its mode,
// owner, group and links, and is left untouched on failure. Where "NAME.parts.csv"
// stands beside `path` (how parts were saved before they went into the file), the
// parts section is written even without parts, so that the old list is never taken
// for this design again; that file itself is left as it is.
FileResult WriteDa4File(const std::string& path, const Da4Values& values, Da4Sections sections);

}  // namespace kalvesta
