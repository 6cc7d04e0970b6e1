// The fuselage outline as a CSV table: the header "x_mm,width_mm", then one station
// a line from nose to tail, read as the parts list is (both spreadsheet dialects and
// the limits of csv_table.h). It is the file --fuselage reads, and the table a
// design's ".da4" file can keep its fuselage in as a section (da4_sections.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "files/csv_table.h"
#include "files/file_result.h"
#include "model/fuselage.h"

namespace kalvesta {

inline constexpr const char* kFuselageHeader = "x_mm,width_mm";

struct FuselageReadResult {
    FileResult result;
    Fuselage fuselage;  // empty when result is not ok: nothing is half read
};

// A reader of a fuselage table that appends each station to `fuselage`, every row by
// ReadStationRow and CheckNextStation (so a row out of order is refused with its
// line). The rules on the whole outline follow with OutlineProblemText once the
// table has ended.
CsvTableReader FuselageTableReader(Fuselage& fuselage,
                                   std::optional<CsvTableFrame> frame = std::nullopt);

// The bytes the stations hold, for the readers' accounting.
size_t BytesOf(const Fuselage& fuselage);

// What a description calls the x and the width: the file's columns unless the
// caller names them as it shows them.
struct StationFieldNames {
    std::string_view x = "x_mm";
    std::string_view width = "width_mm";
};

// What is wrong with a station's row (its texts as typed, `row` as ReadStationRow
// read them) or with its station as the next of `so_far` (CheckNextStation), naming
// the field and the text at fault: `width_mm "-3" is below 0`; nothing for a row
// that may follow.
std::optional<Message> DescribeStationProblem(const StationRow& row, const Fuselage& so_far,
                                              std::string_view x_mm, std::string_view width_mm,
                                              StationFieldNames names = {});

// What breaks CheckOutline's rules on the whole outline (two stations or more, some
// width, no wider than long); nothing for a usable outline.
std::optional<Message> OutlineProblemText(const Fuselage& fuselage);

// The outline in `text`, the whole content of the file `path` (named in the
// messages, such as: Cannot read "body.csv": line 5: x_mm 120 is not aft of the
// station before it (130)); a header alone gives no fuselage.
FuselageReadResult ParseFuselageCsv(std::string_view text, const std::string& path);

// Reads the regular file at `path` chunk by chunk.
FuselageReadResult ReadFuselageFile(const std::string& path);

// The table's text: the header and one line per station, lines ended by CR LF,
// numbers in their shortest form that reads back to the same double.
std::string FormatFuselageCsv(const Fuselage& fuselage);

}  // namespace kalvesta
