// The fuselage outline as a CSV table: the header "x_mm,width_mm", then one station
// a line from nose to tail, read as the parts list is (both spreadsheet dialects,
// see csv_table.h). It is the file --fuselage reads and the text a design keeps its
// fuselage in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "files/file_result.h"
#include "model/fuselage.h"

namespace kalvesta {

inline constexpr const char* kFuselageHeader = "x_mm,width_mm";

// A fuselage file is read whole, and refused beyond this length: far more than
// the longest outline allowed.
inline constexpr int64_t kMaxFuselageFileBytes = int64_t{1} << 20;

struct FuselageReadResult {
    FileResult result;
    Fuselage fuselage;  // empty when result is not ok: nothing is half read
};

// The outline in `text`, the content of the file `path` (named in the messages,
// such as: Cannot read "body.csv": line 5: x_mm 120 is not aft of the station
// before it (130)). Every row follows ReadStationRow, the whole outline
// CheckOutline; a header alone gives no fuselage.
FuselageReadResult ParseFuselageCsv(std::string_view text, const std::string& path);

// Reads and parses the regular file at `path`.
FuselageReadResult ReadFuselageFile(const std::string& path);

// The table's text: the header and one line per station, lines ended by CR LF,
// numbers in their shortest form that reads back to the same double.
std::string FormatFuselageCsv(const Fuselage& fuselage);

}  // namespace kalvesta
