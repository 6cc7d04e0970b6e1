// The parts list of a design as CSV: UTF-8, the header "part,mass_g,x_mm", one part
// a line, quoted as RFC 4180 says (csv_table.h has the reading rules and limits).
// It is saved as a section of the design's ".da4" file (da4_sections.h); a file of
// its own is read with --parts, and as "NAME.parts.csv" beside a "NAME.da4" that
// has no parts section (how designs were saved before). Reading also takes what
// European spreadsheets export: ";" between the fields and a decimal comma, and a
// byte order mark.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/csv_table.h"
#include "files/file_reading.h"
#include "files/file_result.h"
#include "model/parts.h"

namespace kalvesta {

inline constexpr const char* kPartsHeader = "part,mass_g,x_mm";

struct PartsReadResult {
    FileResult result;
    std::vector<Part> parts;  // empty when result is not ok: nothing is half read
    // At most this many bytes of rows, fields and parts were held at once (the read
    // buffer aside).
    size_t bytes_kept = 0;
};

// The parts file of a design: its name without a final ".da4" (any case), then
// ".parts.csv".
std::string PartsFileNameFor(const std::string& design_path);

// Whether the fields are the header's names (blanks around them and the case of the
// letters aside).
bool IsPartsHeader(const std::vector<std::string>& fields);

// A reader of a parts table that appends each row, read by the row rules of
// model/parts.h, to `parts`. A name written with a leading "'" before "=", "+",
// "-", "@" or "'" (as FormatPartsCsv writes such names) reads without it.
CsvTableReader PartsTableReader(std::vector<Part>& parts,
                                std::optional<CsvTableFrame> frame = std::nullopt);

// The bytes the parts hold, for the readers' accounting.
size_t BytesOf(const std::vector<Part>& parts);

// The parts in `text`, the whole content of the file `path` (named in the messages).
PartsReadResult ParsePartsCsv(std::string_view text, const std::string& path);

// Reads the regular file at `path` chunk by chunk; with LinkRule::kRefuse a
// symbolic link there is refused.
PartsReadResult ReadPartsFile(const std::string& path, LinkRule links = LinkRule::kFollow);

// The parts file beside the design at `design_path`, read without following a
// symbolic link; nothing when there is no entry of that name.
std::optional<PartsReadResult> ReadPartsBeside(const std::string& design_path);

// The table text: the header and one line per part, lines ended by CR LF, names
// quoted when they hold a separator, a quote or a line break and led by "'" when a
// spreadsheet would take them for a formula (a first "=", "+", "-" or "@", or a
// first "'" that would be taken for that mark), numbers in their shortest form that
// reads back to the same double.
std::string FormatPartsCsv(const std::vector<Part>& parts);

}  // namespace kalvesta
