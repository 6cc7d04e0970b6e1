// Reading and writing parts files.
#include "files/parts_csv.h"

#include <array>
#include <filesystem>
#include <optional>

#include "files/file_reading.h"
#include "model/number_format.h"
#include "model/utf8.h"

namespace kalvesta {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::array<std::string_view, 3> kHeaderNames = {"part", "mass_g", "x_mm"};

// Splits CSV text into records, field by field, as RFC 4180 quotes them. Lines end
// in LF, CR LF or CR; a quoted field may hold separators, doubled quotes and line
// breaks. A quote inside an unquoted field is taken as it stands.
class CsvRecords {
public:
    CsvRecords(std::string_view text, char separator) : text_(text), separator_(separator) {}

    bool AtEnd() const { return at_ >= text_.size(); }
    // The line the next record starts on, from 1.
    int line() const { return line_; }

    // The next record into `fields`; on malformed quoting the reason, else nothing.
    std::optional<Message> Next(std::vector<std::string>& fields) {
        fields.clear();
        while (true) {
            std::string& field = fields.emplace_back();
            if (Peek() == '"') {
                if (auto problem = ReadQuoted(field)) {
                    return problem;
                }
            } else {
                while (!AtEnd() && Peek() != separator_ && Peek() != '\r' && Peek() != '\n') {
                    field += text_[at_++];
                }
            }
            if (AtEnd() || Peek() != separator_) {
                break;
            }
            ++at_;
        }
        EndLine();
        return std::nullopt;
    }

private:
    char Peek() const { return AtEnd() ? '\0' : text_[at_]; }

    void EndLine() {
        if (Peek() == '\r') {
            ++at_;
        }
        if (Peek() == '\n') {
            ++at_;
        }
        ++line_;
    }

    std::optional<Message> ReadQuoted(std::string& field) {
        const std::string opened_on = std::to_string(line_);
        ++at_;
        while (true) {
            if (AtEnd()) {
                return Message(TextId::kPartsQuoteNotClosed, {{"line", opened_on}});
            }
            const char c = text_[at_++];
            if (c == '"' && Peek() == '"') {
                field += '"';
                ++at_;
            } else if (c == '"') {
                break;
            } else {
                line_ += c == '\n' || (c == '\r' && Peek() != '\n') ? 1 : 0;
                field += c;
            }
        }
        while (Peek() == ' ' || Peek() == '\t') {
            ++at_;
        }
        if (!AtEnd() && Peek() != separator_ && Peek() != '\r' && Peek() != '\n') {
            return TextId::kPartsTextAfterQuote;
        }
        return std::nullopt;
    }

    std::string_view text_;
    char separator_;
    size_t at_ = 0;
    int line_ = 1;
};

bool IsBlankRecord(const std::vector<std::string>& fields) {
    for (const std::string& field : fields) {
        if (!TrimBlanks(field).empty()) {
            return false;
        }
    }
    return true;
}

// ASCII letters of `text` compared without case with the lower-case `lower`.
bool EqualsIgnoringCase(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != lower[i]) {
            return false;
        }
    }
    return true;
}

// The line, from 1, on which the first byte that is not UTF-8 lies.
int LineOfFirstNonUtf8(std::string_view text) {
    int line = 1;
    while (!text.empty()) {
        const size_t length = Utf8SequenceLength(text);
        if (length == 0) {
            return line;
        }
        line += text.front() == '\n' ? 1 : 0;
        text.remove_prefix(length);
    }
    return line;
}

PartsReadResult LineFailure(const std::string& path, int line, Message reason) {
    PartsReadResult read;
    read.result = ContentFailure(FileError::kCannotRead, path, std::move(reason), line);
    return read;
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

}  // namespace

bool IsPartsHeader(const std::vector<std::string>& fields) {
    if (fields.size() != kHeaderNames.size()) {
        return false;
    }
    for (size_t i = 0; i < fields.size(); ++i) {
        if (!EqualsIgnoringCase(TrimBlanks(fields[i]), kHeaderNames[i])) {
            return false;
        }
    }
    return true;
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
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    if (!IsUtf8(text)) {
        return LineFailure(path, LineOfFirstNonUtf8(text), TextId::kPartsNotUtf8);
    }
    // The header tells the dialect: ";" between its names means ";" and a decimal comma.
    const std::string_view first_line = text.substr(0, text.find_first_of("\r\n"));
    const char separator = first_line.find(';') != std::string_view::npos ? ';' : ',';
    const bool decimal_comma = separator == ';';

    CsvRecords records(text, separator);
    std::vector<std::string> fields;
    if (records.AtEnd() || records.Next(fields) || !IsPartsHeader(fields)) {
        return LineFailure(path, 1, {TextId::kPartsNoHeader, {{"header", kPartsHeader}}});
    }
    PartsReadResult read;
    while (!records.AtEnd()) {
        const int line = records.line();
        if (const auto problem = records.Next(fields)) {
            return LineFailure(path, line, *problem);
        }
        if (IsBlankRecord(fields)) {
            continue;
        }
        if (fields.size() != kHeaderNames.size()) {
            return LineFailure(
                path, line,
                {fields.size() == 1 ? TextId::kPartsOneField : TextId::kPartsFieldCount,
                 {{"count", std::to_string(fields.size())}}});
        }
        PartRow row = ReadPartRow(fields[0], fields[1], fields[2], decimal_comma);
        if (row.problem != PartRowProblem::kNone) {
            return LineFailure(path, line,
                               DescribePartRowProblem(row.problem, fields[1], fields[2]));
        }
        read.parts.push_back(std::move(row.part));
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
