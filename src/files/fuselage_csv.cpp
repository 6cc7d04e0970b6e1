// Reading and writing fuselage outlines.
#include "files/fuselage_csv.h"

#include <array>
#include <optional>
#include <vector>

#include "files/csv_table.h"
#include "files/file_reading.h"
#include "model/number_format.h"
#include "model/parts.h"

namespace kalvesta {
namespace {

constexpr std::array<std::string_view, 2> kColumns = {"x_mm", "width_mm"};
const CsvTableKind kFuselageTable = {kColumns, {"a station", "у сечения"}};

// `name "text"` in English, `name «text»` in Russian.
TwoLanguages Quoted(std::string_view name, std::string_view text, std::string_view english,
                    std::string_view russian) {
    const std::string trimmed(TrimBlanks(text));
    const std::string field(name);
    return {field + " \"" + trimmed + "\"" + std::string(english),
            field + " «" + trimmed + "»" + std::string(russian)};
}

TwoLanguages RowProblem(StationRowProblem problem, std::string_view x_mm,
                        std::string_view width_mm) {
    switch (problem) {
        case StationRowProblem::kXNotANumber:
            return Quoted("x_mm", x_mm, " is not a number", " — не число");
        case StationRowProblem::kWidthNotANumber:
            return Quoted("width_mm", width_mm, " is not a number", " — не число");
        case StationRowProblem::kWidthNegative:
            return Quoted("width_mm", width_mm, " is below 0", " меньше 0");
        case StationRowProblem::kNone:
            break;
    }
    return {};
}

// The outline's problem in words; `stations` for the figures it names.
TwoLanguages OutlineProblemText(const OutlineCheck& check, const Fuselage& fuselage) {
    const FuselageSize size = SizeOf(fuselage);
    switch (check.problem) {
        case OutlineProblem::kOneStation:
            return {"one station has no length: a fuselage needs two or more",
                    "у одного сечения нет длины: нужны два сечения или больше"};
        case OutlineProblem::kTooManyStations: {
            const std::string most = std::to_string(kMaxFuselageStations);
            return {"more than " + most + " stations", "больше " + most + " сечений"};
        }
        case OutlineProblem::kNotNoseToTail: {
            const auto at = static_cast<size_t>(check.station - 1);
            const std::string x = FormatShortest(fuselage.stations[at].x_mm);
            const std::string before = FormatShortest(fuselage.stations[at - 1].x_mm);
            return {"x_mm " + x + " is not aft of the station before it (" + before +
                        "): the stations go from nose to tail",
                    "x_mm " + x + " не дальше к хвосту, чем у предыдущего сечения (" + before +
                        "): сечения идут от носа к хвосту"};
        }
        case OutlineProblem::kNoWidth:
            return {"every width is 0", "все ширины равны 0"};
        case OutlineProblem::kWiderThanLong: {
            const std::string width = FormatShortest(size.max_width_mm);
            const std::string length = FormatShortest(size.length_mm);
            return {"the greatest width (" + width + " mm) exceeds the length (" + length +
                        " mm): not a slender body",
                    "наибольшая ширина (" + width + " мм) больше длины (" + length +
                        " мм): это не тонкое тело"};
        }
        case OutlineProblem::kNegativeWidth:  // refused with its row
        case OutlineProblem::kNone:
            break;
    }
    return {};
}

}  // namespace

FuselageReadResult ParseFuselageCsv(std::string_view text, const std::string& path) {
    FuselageReadResult read;
    std::vector<int> lines;  // the line of every station
    read.result = ParseCsvTable(
        text, path, kFuselageTable,
        [&](const std::vector<std::string>& fields, bool decimal_comma,
            int line) -> std::optional<TwoLanguages> {
            const StationRow row = ReadStationRow(fields[0], fields[1], decimal_comma);
            if (row.problem != StationRowProblem::kNone) {
                return RowProblem(row.problem, fields[0], fields[1]);
            }
            read.fuselage.stations.push_back(row.station);
            lines.push_back(line);
            if (read.fuselage.stations.size() > static_cast<size_t>(kMaxFuselageStations)) {
                return OutlineProblemText({OutlineProblem::kTooManyStations, 0}, read.fuselage);
            }
            return std::nullopt;
        });
    if (read.result.ok()) {
        const OutlineCheck check = CheckOutline(read.fuselage);
        if (check.problem != OutlineProblem::kNone) {
            const TwoLanguages problem = OutlineProblemText(check, read.fuselage);
            read.result =
                check.station > 0
                    ? CsvLineFailure(path, lines[static_cast<size_t>(check.station - 1)], problem)
                    : ContentFailure(FileError::kCannotRead, path, problem);
        }
    }
    if (!read.result.ok()) {
        read.fuselage = {};
    }
    return read;
}

FuselageReadResult ReadFuselageFile(const std::string& path) {
    std::string bytes;
    FuselageReadResult read;
    read.result = ReadWholeFile(path, kMaxFuselageFileBytes, bytes);
    return read.result.ok() ? ParseFuselageCsv(bytes, path) : read;
}

std::string FormatFuselageCsv(const Fuselage& fuselage) {
    std::string text = std::string(kFuselageHeader) + "\r\n";
    for (const FuselageStation& station : fuselage.stations) {
        text += FormatShortest(station.x_mm) + ',' + FormatShortest(station.width_mm) + "\r\n";
    }
    return text;
}

}  // namespace kalvesta
