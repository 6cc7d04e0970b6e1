// Reading and writing parts lists.
#include "files/parts_csv.h"

#include <sys/stat.h>

#include <cerrno>

#include "model/number_format.h"

namespace kalvesta {
namespace {

const std::vector<std::string_view> kPartsColumns = {"part", "mass_g", "x_mm"};

// A name that a spreadsheet would evaluate starts with one of these; a "'" before
// it makes the spreadsheet show it as text.
constexpr std::string_view kFormulaStarts = "=+-@'";

bool NeedsTextMark(std::string_view name) {
    return !name.empty() && kFormulaStarts.find(name.front()) != std::string_view::npos;
}

std::string NameFromFile(std::string_view name) {
    if (name.size() >= 2 && name.front() == '\'' && NeedsTextMark(name.substr(1))) {
        name.remove_prefix(1);
    }
    return std::string(name);
}

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

std::string NameForFile(const std::string& name) {
    const std::string marked = NeedsTextMark(name) ? "'" + name : name;
    return NeedsQuotes(marked) ? Quoted(marked) : marked;
}

PartsReadResult Outcome(const CsvTableReader& reader, const std::string& path,
                        std::vector<Part>& parts) {
    PartsReadResult read;
    read.bytes_kept = reader.peak_bytes_kept() + BytesOf(parts);
    if (reader.problem()) {
        read.result = LineFailure(path, *reader.problem());
    } else {
        read.parts = std::move(parts);
    }
    return read;
}

}  // namespace

bool IsPartsHeader(const std::vector<std::string>& fields) {
    return NamesColumns(fields, kPartsColumns);
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

CsvTableReader PartsTableReader(std::vector<Part>& parts, std::optional<CsvTableFrame> frame) {
    const auto take_row = [&parts](const CsvRow& row) -> std::optional<Message> {
        const std::vector<std::string>& fields = *row.fields;
        PartRow read = ReadPartRow(fields[0], fields[1], fields[2], row.decimal_comma);
        if (read.problem != PartRowProblem::kNone) {
            return DescribePartRowProblem(read.problem, fields[1], fields[2]);
        }
        read.part.name = NameFromFile(read.part.name);
        parts.push_back(std::move(read.part));
        return std::nullopt;
    };
    return CsvTableReader(kPartsColumns, take_row, std::move(frame));
}

size_t BytesOf(const std::vector<Part>& parts) {
    size_t bytes = 0;
    for (const Part& part : parts) {
        bytes += sizeof(Part) + part.name.size();
    }
    return bytes;
}

PartsReadResult ParsePartsCsv(std::string_view text, const std::string& path) {
    std::vector<Part> parts;
    CsvTableReader reader = PartsTableReader(parts);
    reader.Feed(text);
    reader.Finish();
    return Outcome(reader, path, parts);
}

PartsReadResult ReadPartsFile(const std::string& path, LinkRule links) {
    std::vector<Part> parts;
    CsvTableReader reader = PartsTableReader(parts);
    if (const FileResult read = ReadCsvTableFile(path, reader, links); !read.ok()) {
        return {read, {}, 0};
    }
    return Outcome(reader, path, parts);
}

std::optional<PartsReadResult> ReadPartsBeside(const std::string& design_path) {
    const std::string path = PartsFileNameFor(design_path);
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) != 0 && errno == ENOENT) {
        return std::nullopt;
    }
    return ReadPartsFile(path, LinkRule::kRefuse);
}

std::string FormatPartsCsv(const std::vector<Part>& parts) {
    std::string text = std::string(kPartsHeader) + "\r\n";
    for (const Part& part : parts) {
        text += NameForFile(part.name);
        text += ',' + FormatShortest(part.mass_g) + ',' + FormatShortest(part.x_mm) + "\r\n";
    }
    return text;
}

}  // namespace kalvesta
