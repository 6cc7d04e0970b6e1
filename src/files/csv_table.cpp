// Reading CSV tables: records, header and dialect, and the failures that name the
// line.
#include "files/csv_table.h"

#include "model/parts.h"
#include "model/utf8.h"

namespace kalvesta {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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
    std::optional<TwoLanguages> Next(std::vector<std::string>& fields) {
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

    std::optional<TwoLanguages> ReadQuoted(std::string& field) {
        const std::string opened_on = std::to_string(line_);
        ++at_;
        while (true) {
            if (AtEnd()) {
                return TwoLanguages{"the quote opened on line " + opened_on + " is not closed",
                                    "кавычка, открытая в строке " + opened_on + ", не закрыта"};
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
            return TwoLanguages{"text follows a closing quote",
                                "после закрывающей кавычки стоит текст"};
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

// "part,mass_g,x_mm" with `separator` between the names.
std::string JoinedColumns(std::span<const std::string_view> columns, std::string_view separator) {
    std::string joined;
    for (const std::string_view column : columns) {
        joined += joined.empty() ? "" : separator;
        joined += column;
    }
    return joined;
}

}  // namespace

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

bool IsCsvHeader(const std::vector<std::string>& fields,
                 std::span<const std::string_view> columns) {
    if (fields.size() != columns.size()) {
        return false;
    }
    for (size_t i = 0; i < fields.size(); ++i) {
        if (!EqualsIgnoringCase(TrimBlanks(fields[i]), columns[i])) {
            return false;
        }
    }
    return true;
}

FileResult CsvLineFailure(const std::string& path, int line, const TwoLanguages& reason) {
    const std::string number = std::to_string(line);
    return ContentFailure(
        FileError::kCannotRead, path,
        {"line " + number + ": " + reason.english, "строка " + number + ": " + reason.russian});
}

FileResult ParseCsvTable(std::string_view text, const std::string& path, const CsvTableKind& kind,
                         const CsvRowReader& take_row) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    if (!IsUtf8(text)) {
        return CsvLineFailure(path, LineOfFirstNonUtf8(text),
                              {"the text is not UTF-8 (save the file as UTF-8 CSV)",
                               "текст не в кодировке UTF-8 (сохраните файл как CSV в UTF-8)"});
    }
    // The header tells the dialect: ";" between its names means ";" and a decimal comma.
    const std::string_view first_line = text.substr(0, text.find_first_of("\r\n"));
    const char separator = first_line.find(';') != std::string_view::npos ? ';' : ',';
    const bool decimal_comma = separator == ';';

    CsvRecords records(text, separator);
    std::vector<std::string> fields;
    if (records.AtEnd() || records.Next(fields) || !IsCsvHeader(fields, kind.columns)) {
        const std::string header = JoinedColumns(kind.columns, ",");
        return CsvLineFailure(
            path, 1,
            {"the first line must be the header \"" + header +
                 "\" (or with \";\" between the names)",
             "первая строка должна быть заголовком «" + header + "» (или с «;» между названиями)"});
    }
    const std::string column_count = std::to_string(kind.columns.size());
    const std::string column_names = JoinedColumns(kind.columns, ", ");
    while (!records.AtEnd()) {
        const int line = records.line();
        if (const auto problem = records.Next(fields)) {
            return CsvLineFailure(path, line, *problem);
        }
        if (IsBlankRecord(fields)) {
            continue;
        }
        if (fields.size() != kind.columns.size()) {
            const std::string count = std::to_string(fields.size());
            return CsvLineFailure(
                path, line,
                {count + (fields.size() == 1 ? " field" : " fields") + " where " +
                     kind.row_is.english + " has " + column_count + " (" + column_names + ")",
                 "полей: " + count + ", а " + kind.row_is.russian + " их " + column_count + " (" +
                     column_names + ")"});
        }
        if (const auto problem = take_row(fields, decimal_comma, line)) {
            return CsvLineFailure(path, line, *problem);
        }
    }
    return FileResult{};
}

}  // namespace kalvesta
