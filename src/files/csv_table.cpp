// The CSV table reader: a state machine over the bytes that finds where each row
// ends, then the row's fields split from its kept text.
#include "files/csv_table.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/parts.h"
#include "model/utf8.h"

namespace kalvesta {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// The line breaks in `text`: LF, CR LF and CR each count once.
int LineBreaksIn(std::string_view text) {
    int breaks = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool cr_alone = text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n');
        breaks += text[i] == '\n' || cr_alone ? 1 : 0;
    }
    return breaks;
}

// Where the first byte that is not UTF-8 lies; npos when all of it is.
size_t FirstNonUtf8(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const size_t length = Utf8SequenceLength(text.substr(at));
        if (length == 0) {
            return at;
        }
        at += length;
    }
    return std::string_view::npos;
}

std::string Joined(const std::vector<std::string_view>& names, std::string_view between) {
    std::string text;
    for (const std::string_view name : names) {
        text += (text.empty() ? "" : std::string(between)) + std::string(name);
    }
    return text;
}

struct SplitRecord {
    size_t field_count = 0;
    bool blank = true;  // every field empty or blanks only
    std::optional<Message> problem;
};

// The fields of one row's text (line breaks only inside quotes), the first `keep`
// of them kept in `fields`; `first_line` is the line the row starts on.
SplitRecord Split(std::string_view text, char separator, size_t keep, int first_line,
                  std::vector<std::string>& fields) {
    SplitRecord split;
    fields.clear();
    std::string dropped;  // a field beyond `keep`, read for its quoting only
    size_t at = 0;
    const auto peek = [&text, &at] { return at < text.size() ? text[at] : '\0'; };
    while (true) {
        std::string& field = split.field_count < keep ? fields.emplace_back() : dropped;
        field.clear();
        ++split.field_count;
        if (peek() == '"') {
            const std::string opened_on =
                std::to_string(first_line + LineBreaksIn(text.substr(0, at)));
            for (++at;;) {
                if (at >= text.size()) {
                    split.problem = Message(TextId::kCsvQuoteNotClosed, {{"line", opened_on}});
                    return split;
                }
                const char c = text[at++];
                if (c == '"' && peek() == '"') {
                    ++at;
                } else if (c == '"') {
                    break;
                }
                field += c;
            }
            while (peek() == ' ' || peek() == '\t') {
                ++at;
            }
            if (at < text.size() && peek() != separator) {
                split.problem = TextId::kCsvTextAfterQuote;
                return split;
            }
        } else {
            const size_t end = std::min(text.find(separator, at), text.size());
            field.assign(text.substr(at, end - at));
            at = end;
        }
        split.blank = split.blank && TrimBlanks(field).empty();
        if (at >= text.size()) {
            return split;
        }
        ++at;  // the separator
    }
}

}  // namespace

bool EqualsIgnoringCase(std::string_view text, std::string_view lower) {
    return std::equal(text.begin(), text.end(), lower.begin(), lower.end(), [](char c, char l) {
        return (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == l;
    });
}

bool NamesColumns(const std::vector<std::string>& fields,
                  const std::vector<std::string_view>& columns) {
    return std::equal(fields.begin(), fields.end(), columns.begin(), columns.end(),
                      [](const std::string& field, std::string_view column) {
                          return EqualsIgnoringCase(TrimBlanks(field), column);
                      });
}

FileResult LineFailure(const std::string& path, const LineProblem& problem) {
    return ContentFailure(FileError::kCannotRead, path, problem.reason, problem.line);
}

CsvTableReader::CsvTableReader(std::vector<std::string_view> columns, CsvRowTaker take_row,
                               std::optional<CsvTableFrame> frame)
    : columns_(std::move(columns)), take_row_(std::move(take_row)), frame_(std::move(frame)) {
    if (frame_) {
        line_ = record_line_ = frame_->first_line;
    }
}

size_t CsvTableReader::Feed(std::string_view chunk) {
    size_t used = 0;
    while (used < chunk.size() && !ended_) {
        const char c = chunk[used];
        if (end_after_line_end_) {
            // The frame's last row ended with a carriage return: a line feed after it
            // is part of that line end.
            ended_ = true;
            used += c == '\n' ? 1 : 0;
            break;
        }
        TakeChar(c);
        ++used;
    }
    return used;
}

void CsvTableReader::TakeChar(char c) {
    const char previous = last_char_;
    last_char_ = c;
    if (skip_line_feed_) {
        skip_line_feed_ = false;
        if (c == '\n') {
            return;
        }
    }
    if (!separator_) {
        // The header line is read whole before its separator decides the dialect.
        if (IsLineEnd(c)) {
            separator_ = record_.find(';') != std::string::npos ? ';' : ',';
            EndLine(c);
        } else {
            Keep(c);
        }
        return;
    }
    if (state_ == State::kQuoted) {
        state_ = c == '"' ? State::kQuoteSeen : State::kQuoted;
        line_ += (c == '\n' ? previous != '\r' : c == '\r') ? 1 : 0;
        Keep(c);
        return;
    }
    if (state_ == State::kQuoteSeen && c == '"') {
        state_ = State::kQuoted;  // a doubled quote
    } else if (c == *separator_) {
        state_ = State::kFieldStart;
    } else if (IsLineEnd(c)) {
        EndLine(c);
        return;
    } else {
        state_ = state_ == State::kFieldStart && c == '"' ? State::kQuoted : State::kUnquoted;
    }
    Keep(c);
}

void CsvTableReader::Keep(char c) {
    record_ += c;
    peak_bytes_kept_ = std::max(peak_bytes_kept_, record_.size());
    if (record_.size() > kMaxCsvRowBytes) {
        Fail(record_line_, {TextId::kCsvRowTooLong, {{"limit", std::to_string(kMaxCsvRowBytes)}}});
    }
}

void CsvTableReader::EndLine(char line_end) {
    EndRecord();
    skip_line_feed_ = line_end == '\r';
    if (ended_ && !problem_ && skip_line_feed_) {
        // The frame's last row: its line end may go on with a line feed.
        ended_ = false;
        end_after_line_end_ = true;
    }
}

void CsvTableReader::EndRecord() {
    TakeRecord();
    record_.clear();
    state_ = State::kFieldStart;
    record_line_ = ++line_;
    if (!problem_ && frame_ && header_read_ && rows_taken_ == frame_->rows) {
        ended_ = true;
    }
}

void CsvTableReader::TakeRecord() {
    std::string_view text = record_;
    if (!header_read_ && !frame_ && text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    if (const size_t bad = FirstNonUtf8(text); bad != std::string_view::npos) {
        return Fail(record_line_ + LineBreaksIn(text.substr(0, bad)), TextId::kCsvNotUtf8);
    }
    const SplitRecord split = Split(text, *separator_, columns_.size(), record_line_, fields_);
    size_t field_bytes = 0;
    for (const std::string& field : fields_) {
        field_bytes += field.size();
    }
    peak_bytes_kept_ = std::max(peak_bytes_kept_, record_.size() + field_bytes);
    if (split.problem) {
        return Fail(record_line_, *split.problem);
    }
    if (!header_read_) {
        header_read_ = true;
        if (split.field_count != columns_.size() || !NamesColumns(fields_, columns_)) {
            Fail(record_line_, HeaderMissing());
        }
        return;
    }
    if (++records_ > kMaxCsvRows) {
        return Fail(record_line_,
                    {TextId::kCsvTooManyRows, {{"limit", std::to_string(kMaxCsvRows)}}});
    }
    if (split.blank) {
        return;
    }
    if (split.field_count != columns_.size()) {
        return Fail(record_line_,
                    {split.field_count == 1 ? TextId::kCsvOneField : TextId::kCsvFieldCount,
                     {{"count", std::to_string(split.field_count)},
                      {"wanted", std::to_string(columns_.size())},
                      {"names", Joined(columns_, ", ")}}});
    }
    if (auto refused = take_row_(CsvRow{record_line_, &fields_, *separator_ == ';'})) {
        return Fail(record_line_, std::move(*refused));
    }
    ++rows_taken_;
}

Message CsvTableReader::HeaderMissing() const {
    const std::string header = Joined(columns_, ",");
    if (frame_) {
        return {TextId::kCsvSectionHeaderMissing, {{"section", frame_->name}, {"header", header}}};
    }
    return {TextId::kCsvNoHeader, {{"header", header}}};
}

void CsvTableReader::Fail(int line, Message reason) {
    if (!problem_) {
        problem_ = LineProblem{line, std::move(reason)};
    }
    ended_ = true;
}

void CsvTableReader::Finish() {
    if (ended_ || end_after_line_end_) {
        ended_ = true;
        return;
    }
    if (frame_) {
        return Fail(line_, {TextId::kCsvSectionShort,
                            {{"taken", std::to_string(rows_taken_)},
                             {"rows", std::to_string(frame_->rows)},
                             {"section", frame_->name}}});
    }
    if (!record_.empty()) {
        if (!separator_) {
            separator_ = record_.find(';') != std::string::npos ? ';' : ',';
        }
        EndRecord();
    }
    if (!header_read_) {
        Fail(1, HeaderMissing());
    }
    ended_ = true;
}

FileResult ReadCsvTableFile(const std::string& path, CsvTableReader& reader, LinkRule links) {
    std::optional<FileDescriptor> file;
    FileResult result = OpenRegularFile(path, file, links);
    if (result.ok()) {
        result = ReadInChunks(path, *file, std::numeric_limits<int64_t>::max(),
                              [&reader](std::string_view chunk) {
                                  reader.Feed(chunk);
                                  return !reader.ended();
                              });
    }
    if (result.ok()) {
        reader.Finish();
    }
    return result;
}

}  // namespace kalvesta
