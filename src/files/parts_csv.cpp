// Reading and writing parts files.
#include "files/parts_csv.h"

#include <array>
#include <filesystem>
#include <optional>

#include "files/csv_table.h"
#include "files/file_reading.h"
#include "model/number_format.h"

namespace kalvesta {
namespace {

constexpr std::array<std::string_view, 3> kHeaderNames = {"part", "mass_g", "x_mm"};
const CsvTableKind kPartsTable = {kHeaderNames, {"a part", "у детали"}};

bool NeedsQuotes(std::string_view name) {
    return name.find_first_of(",;\"\r\n") != std::string_view::npos;
}

std::string Quoted(std::string_view name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

}  // namespace

bool IsPartsHeader(const std::vector<std::string>& fields) {
    return IsCsvHeader(fields, kHeaderNames);
}

std::string PartsFileNameFor(const std::string& design_path) {
    constexpr std::string_view kDesignEnd = ".da4";
    std::string_view name = design_path;
    if (name.size() >= kDesignEnd.size() &&
        EqualsIgnoringCase(name.substr(name.size() - kDesignEnd.size()), kDesignEnd)) {
        name.remove_suffix(kDesignEnd.size());
    }
    return std::string(name) + ".parts.csv";
}

PartsReadResult ParsePartsCsv(std::string_view text, const std::string& path) {
    PartsReadResult read;
    read.result =
        ParseCsvTable(text, path, kPartsTable,
                      [&read](const std::vector<std::string>& fields, bool decimal_comma,
                              int) -> std::optional<TwoLanguages> {
                          PartRow row = ReadPartRow(fields[0], fields[1], fields[2], decimal_comma);
                          if (row.problem != PartRowProblem::kNone) {
                              return TwoLanguages{
                                  DescribePartRowProblem(row.problem, fields[1], fields[2], true),
                                  DescribePartRowProblem(row.problem, fields[1], fields[2], false)};
                          }
                          read.parts.push_back(std::move(row.part));
                          return std::nullopt;
                      });
    if (!read.result.ok()) {
        read.parts.clear();
    }
    return read;
}

PartsReadResult ReadPartsFile(const std::string& path) {
    std::string bytes;
    PartsReadResult read;
    read.result = ReadWholeFile(path, kMaxPartsFileBytes, bytes);
    return read.result.ok() ? ParsePartsCsv(bytes, path) : read;
}

std::optional<PartsReadResult> ReadPartsBeside(const std::string& design_path) {
    const std::string path = PartsFileNameFor(design_path);
    std::error_code unseen;
    if (!std::filesystem::exists(path, unseen)) {
        return std::nullopt;
    }
    return ReadPartsFile(path);
}

std::string FormatPartsCsv(const std::vector<Part>& parts) {
    std::string text = std::string(kPartsHeader) + "\r\n";
    for (const Part& part : parts) {
        text += NeedsQuotes(part.name) ? Quoted(part.name) : part.name;
        text += ',' + FormatShortest(part.mass_g) + ',' + FormatShortest(part.x_mm) + "\r\n";
    }
    return text;
}

FileResult WritePartsFile(const std::string& path, const std::vector<Part>& parts) {
    return WriteFileContents(path, FormatPartsCsv(parts));
}

}  // namespace kalvesta
