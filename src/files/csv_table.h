// A table in a CSV file, as a spreadsheet exports it: UTF-8 (a byte order mark is
// skipped), a header line of fixed column names, then one row a line, quoted as
// RFC 4180 says. A header with ";" between its names means ";" between the fields
// and a decimal comma, as European spreadsheets write. The parts list and the
// fuselage outline are such tables.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_result.h"

namespace kalvesta {

// What a table holds: its columns' names (lower case, compared without case) and
// what one row is, for the message on a row of the wrong length ("a part" and "у
// детали": "4 fields where a part has 3 (part, mass_g, x_mm)").
struct CsvTableKind {
    std::span<const std::string_view> columns;
    TwoLanguages row_is;
};

// Takes one row of fields (one per column) of the text's dialect; returns what is
// wrong with it, or nothing.
using CsvRowReader = std::function<std::optional<TwoLanguages>(
    const std::vector<std::string>& fields, bool decimal_comma, int line)>;

// Whether the ASCII letters of `text` are those of the lower-case `lower`, case aside.
bool EqualsIgnoringCase(std::string_view text, std::string_view lower);

// Whether the fields are the columns' names (blanks around them and the case of the
// letters aside).
bool IsCsvHeader(const std::vector<std::string>& fields, std::span<const std::string_view> columns);

// Reads `text`, the content of the file `path`, row by row into `take_row`. Lines
// with nothing but separators and blanks are skipped; every other line has one
// field per column. The first failure ends the reading and names the file and the
// line (Cannot read "plane.parts.csv": line 4: ...).
FileResult ParseCsvTable(std::string_view text, const std::string& path, const CsvTableKind& kind,
                         const CsvRowReader& take_row);

// A failure of the table at `path` on `line`.
FileResult CsvLineFailure(const std::string& path, int line, const TwoLanguages& reason);

}  // namespace kalvesta
