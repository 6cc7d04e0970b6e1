// Reading and writing fuselage outlines.
#include "files/fuselage_csv.h"

#include <vector>

#include "model/number_format.h"
#include "model/parts.h"

namespace kalvesta {
namespace {

const std::vector<std::string_view> kFuselageColumns = {"x_mm", "width_mm"};

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
    const auto take_row = [&fuselage](const CsvRow& row) -> std::optional<Message> {
        const std::vector<std::string>& fields = *row.fields;
        const StationRow read = ReadStationRow(fields[0], fields[1], row.decimal_comma);
        if (auto problem = DescribeStationProblem(read, fuselage, fields[0], fields[1])) {
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

std::optional<Message> DescribeStationProblem(const StationRow& row, const Fuselage& so_far,
                                              std::string_view x_mm, std::string_view width_mm,
                                              StationFieldNames names) {
    switch (row.problem) {
        case StationRowProblem::kXNotANumber:
            return Message(TextId::kPartsNotANumber,
                           {{"field", names.x}, {"text", TrimBlanks(x_mm)}});
        case StationRowProblem::kWidthNotANumber:
            return Message(TextId::kPartsNotANumber,
                           {{"field", names.width}, {"text", TrimBlanks(width_mm)}});
        case StationRowProblem::kWidthNegative:
            return Message(TextId::kFuselageBelowZero,
                           {{"field", names.width}, {"text", TrimBlanks(width_mm)}});
        case StationRowProblem::kNone:
            break;
    }
    switch (CheckNextStation(so_far, row.station)) {
        case OutlineProblem::kTooManyStations:
            return Message(TextId::kFuselageTooManyStations,
                           {{"limit", std::to_string(kMaxFuselageStations)}});
        case OutlineProblem::kNotNoseToTail:
            return Message(TextId::kFuselageNotNoseToTail,
                           {{"field", names.x},
                            {"x", FormatShortest(row.station.x_mm)},
                            {"before", FormatShortest(so_far.stations.back().x_mm)}});
        default:  // a negative width is refused with the row's texts above
            return std::nullopt;
    }
}

std::optional<Message> OutlineProblemText(const Fuselage& fuselage) {
    const FuselageSize size = SizeOf(fuselage);
    switch (CheckOutline(fuselage).problem) {
        case OutlineProblem::kOneStation:
            return Message(TextId::kFuselageOneStation);
        case OutlineProblem::kNoWidth:
            return Message(TextId::kFuselageNoWidth);
        case OutlineProblem::kWiderThanLong:
            return Message(TextId::kFuselageWiderThanLong,
                           {{"width", FormatShortest(size.max_width_mm)},
                            {"length", FormatShortest(size.length_mm)}});
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
