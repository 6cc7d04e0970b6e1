// Reading and writing fuselage outlines.
#include "files/fuselage_csv.h"

#include <vector>

#include "model/number_format.h"
#include "model/parts.h"

namespace kalvesta {
namespace {

const std::vector<std::string_view> kFuselageColumns = {"x_mm", "width_mm"};

// `name "text"` and what follows, in English; `name «text»` in Russian.
TwoLanguages Quoted(std::string_view name, std::string_view text, std::string_view english,
                    std::string_view russian) {
    const std::string field = std::string(name) + " ";
    const std::string trimmed(TrimBlanks(text));
    return {field + "\"" + trimmed + "\"" + std::string(english),
            field + "«" + trimmed + "»" + std::string(russian)};
}

// What is wrong with a row's texts, or with its station as the next of `so_far`.
std::optional<TwoLanguages> RowProblem(const StationRow& row, const Fuselage& so_far,
                                       std::string_view x_mm, std::string_view width_mm) {
    switch (row.problem) {
        case StationRowProblem::kXNotANumber:
            return Quoted("x_mm", x_mm, " is not a number", " — не число");
        case StationRowProblem::kWidthNotANumber:
            return Quoted("width_mm", width_mm, " is not a number", " — не число");
        case StationRowProblem::kWidthNegative:
            return Quoted("width_mm", width_mm, " is below 0", " меньше 0");
        case StationRowProblem::kNone:
            break;
    }
    switch (CheckNextStation(so_far, row.station)) {
        case OutlineProblem::kTooManyStations: {
            const std::string most = std::to_string(kMaxFuselageStations);
            return TwoLanguages{"more than " + most + " stations", "больше " + most + " сечений"};
        }
        case OutlineProblem::kNotNoseToTail: {
            const std::string x = FormatShortest(row.station.x_mm);
            const std::string before = FormatShortest(so_far.stations.back().x_mm);
            return TwoLanguages{"x_mm " + x + " is not aft of the station before it (" + before +
                                    "): the stations go from nose to tail",
                                "x_mm " + x + " не дальше к хвосту, чем у предыдущего сечения (" +
                                    before + "): сечения идут от носа к хвосту"};
        }
        default:  // a negative width is refused with the row's texts above
            return std::nullopt;
    }
}

FuselageReadResult Outcome(const CsvTableReader& reader, const std::string& path,
                           Fuselage& fuselage) {
    FuselageReadResult read;
    if (reader.problem()) {
        read.result = LineFailure(path, *reader.problem());
    } else if (const auto problem = OutlineProblemText(fuselage)) {
        read.result = ContentFailure(FileError::kCannotRead, path, *problem);
    } else {
        read.fuselage = std::move(fuselage);
    }
    return read;
}

}  // namespace

CsvTableReader FuselageTableReader(Fuselage& fuselage, std::optional<CsvTableFrame> frame) {
    const auto take_row = [&fuselage](const CsvRow& row) -> std::optional<TwoLanguages> {
        const std::vector<std::string>& fields = *row.fields;
        const StationRow read = ReadStationRow(fields[0], fields[1], row.decimal_comma);
        if (auto problem = RowProblem(read, fuselage, fields[0], fields[1])) {
            return problem;
        }
        fuselage.stations.push_back(read.station);
        return std::nullopt;
    };
    return CsvTableReader(kFuselageColumns, take_row, std::move(frame));
}

size_t BytesOf(const Fuselage& fuselage) {
    return fuselage.stations.size() * sizeof(FuselageStation);
}

std::optional<TwoLanguages> OutlineProblemText(const Fuselage& fuselage) {
    const FuselageSize size = SizeOf(fuselage);
    switch (CheckOutline(fuselage).problem) {
        case OutlineProblem::kOneStation:
            return TwoLanguages{"one station has no length: a fuselage needs two or more",
                                "у одного сечения нет длины: нужны два сечения или больше"};
        case OutlineProblem::kNoWidth:
            return TwoLanguages{"every width is 0", "все ширины равны 0"};
        case OutlineProblem::kWiderThanLong: {
            const std::string width = FormatShortest(size.max_width_mm);
            const std::string length = FormatShortest(size.length_mm);
            return TwoLanguages{"the greatest width (" + width + " mm) exceeds the length (" +
                                    length + " mm): not a slender body",
                                "наибольшая ширина (" + width + " мм) больше длины (" + length +
                                    " мм): это не тонкое тело"};
        }
        default:  // the rows' own problems are refused with their lines
            return std::nullopt;
    }
}

FuselageReadResult ParseFuselageCsv(std::string_view text, const std::string& path) {
    Fuselage fuselage;
    CsvTableReader reader = FuselageTableReader(fuselage);
    reader.Feed(text);
    reader.Finish();
    return Outcome(reader, path, fuselage);
}

FuselageReadResult ReadFuselageFile(const std::string& path) {
    Fuselage fuselage;
    CsvTableReader reader = FuselageTableReader(fuselage);
    if (const FileResult read = ReadCsvTableFile(path, reader); !read.ok()) {
        return {read, {}};
    }
    return Outcome(reader, path, fuselage);
}

std::string FormatFuselageCsv(const Fuselage& fuselage) {
    std::string text = std::string(kFuselageHeader) + "\r\n";
    for (const FuselageStation& station : fuselage.stations) {
        text += FormatShortest(station.x_mm) + ',' + FormatShortest(station.width_mm) + "\r\n";
    }
    return text;
}

}  // namespace kalvesta
