// The parts list of a design as a CSV file beside it: "NAME.parts.csv" for
// "NAME.da4", UTF-8, the header "part,mass_g,x_mm", one part a line, quoted as RFC
// 4180 says. Reading also takes what European spreadsheets export: ";" between the
// fields and a decimal comma, and a byte order mark.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_writer.h"
#include "model/parts.h"

namespace kalvesta {

inline constexpr const char* kPartsHeader = "part,mass_g,x_mm";

// A parts file is read whole, and refused beyond this length (some two million rows).
inline constexpr int64_t kMaxPartsFileBytes = int64_t{64} << 20;

struct PartsReadResult {
    FileResult result;
    std::vector<Part> parts;  // empty when result is not ok: nothing is half read
};

// The parts file of a design: its name without a final ".da4" (any case), then
// ".parts.csv".
std::string PartsFileNameFor(const std::string& design_path);

// Whether the fields are the header's names (blanks around them and the case of the
// letters aside).
bool IsPartsHeader(const std::vector<std::string>& fields);

// The parts in `text`, the content of the file `path` (named in the messages, such
// as: Cannot read "plane.parts.csv": line 4: mass_g "abc" is not a number). The
// first line is the header, with "," or ";" between its names; with ";" a number
// may have a decimal comma. Lines with nothing but separators and blanks are
// skipped; every other line has exactly three fields and follows the row rules of
// model/parts.h. The text must be UTF-8.
PartsReadResult ParsePartsCsv(std::string_view text, const std::string& path);

// Reads and parses the regular file at `path`.
PartsReadResult ReadPartsFile(const std::string& path);

// The parts file beside the design at `design_path`, read; nothing when there is
// none (a file there that cannot be seen counts as none).
std::optional<PartsReadResult> ReadPartsBeside(const std::string& design_path);

// The file text: the header and one line per part, lines ended by CR LF, names
// quoted when they hold a separator, a quote or a line break, numbers in their
// shortest form that reads back to the same double.
std::string FormatPartsCsv(const std::vector<Part>& parts);

// Writes FormatPartsCsv(parts) to `path` by WriteFileContents.
FileResult WritePartsFile(const std::string& path, const std::vector<Part>& parts);

}  // namespace kalvesta
