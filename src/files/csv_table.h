// Reading a CSV table chunk by chunk: a header line naming the columns, then one
// row a line, quoted as RFC 4180 says. Lines end in LF, CR LF or CR; a quoted field
// may hold separators, doubled quotes and line breaks; a quote inside an unquoted
// field is taken as it stands. The header tells the dialect: ";" between its names
// means ";" between the fields and a decimal comma in the numbers.
//
// Memory is bounded by what the table keeps, not by the file: the reader holds one
// row at a time, at most kMaxCsvRowBytes of it, and of its fields only as many as the
// table has columns (a line of a million commas costs one row's bytes); a table of
// more than kMaxCsvRows rows is refused.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_reading.h"
#include "files/file_result.h"

namespace kalvesta {

// The longest row, in bytes without its line end (a quoted line break counts).
inline constexpr size_t kMaxCsvRowBytes = 4096;
// The most rows below the header, blank ones counted.
inline constexpr int kMaxCsvRows = 10000;

// Whether `text` is the lower-case `lower`, the case of ASCII letters aside.
bool EqualsIgnoringCase(std::string_view text, std::string_view lower);

// Whether the fields are the column names `columns` (lower case), blanks around
// them and the case of the letters aside.
bool NamesColumns(const std::vector<std::string>& fields,
                  const std::vector<std::string_view>& columns);

// A reason and the line of the text it concerns, from 1.
struct LineProblem {
    int line = 0;
    Message reason;
};

// A failure of the text of `path` at a line, such as: Cannot read "plane.parts.csv":
// line 4: mass_g "abc" is not a number.
FileResult LineFailure(const std::string& path, const LineProblem& problem);

// A row of the table for its taker.
struct CsvRow {
    int line = 0;                                 // where the row starts
    const std::vector<std::string>* fields = {};  // exactly one per column, as written
    bool decimal_comma = false;                   // the ";" dialect
};

// Keeps what it needs of a row; the reason when the row breaks the table's rules.
using CsvRowTaker = std::function<std::optional<Message>(const CsvRow& row)>;

// A table framed inside a larger file (a section of a ".da4" file): it starts on
// `first_line`, holds exactly `rows` rows, each ended by a line end, and ends after
// the last one. Without a frame the table is a file of its own, which may start with
// a UTF-8 byte order mark and whose last line may lack its line end.
struct CsvTableFrame {
    std::string name;  // the section's name, for the messages
    int rows = 0;
    int first_line = 1;
};

class CsvTableReader {
public:
    // `columns`: the header's names, lower case, compared without case and blanks.
    CsvTableReader(std::vector<std::string_view> columns, CsvRowTaker take_row,
                   std::optional<CsvTableFrame> frame = std::nullopt);

    // The line before the table ended with a carriage return: a line feed first is
    // part of it.
    void AfterCarriageReturn() { skip_line_feed_ = true; }
    // Takes the next chunk; returns how many of its bytes belong to the table: all of
    // them until the table ends (the last row of a frame, or a problem).
    size_t Feed(std::string_view chunk);
    // The input ends: an unended last line is a row of a file of its own, and a
    // framed table short of its rows is incomplete.
    void Finish();

    bool ended() const { return ended_; }
    // The line the reader has come to (after the last row of an ended frame).
    int line() const { return line_; }
    const std::optional<LineProblem>& problem() const { return problem_; }
    // The most bytes of rows and fields held at once.
    size_t peak_bytes_kept() const { return peak_bytes_kept_; }

private:
    enum class State { kFieldStart, kUnquoted, kQuoted, kQuoteSeen };

    void TakeChar(char c);
    void Keep(char c);
    // A line end outside quotes: the row is complete.
    void EndLine(char line_end);
    void EndRecord();
    void TakeRecord();
    Message HeaderMissing() const;
    void Fail(int line, Message reason);

    std::vector<std::string_view> columns_;
    CsvRowTaker take_row_;
    std::optional<CsvTableFrame> frame_;
    std::optional<char> separator_;  // known once the header line is read
    State state_ = State::kFieldStart;
    std::string record_;  // the row being read, without its line end
    std::vector<std::string> fields_;
    int line_ = 1;         // the line being read
    int record_line_ = 1;  // the line the row started on
    bool header_read_ = false;
    int records_ = 0;     // below the header, blank ones counted
    int rows_taken_ = 0;  // rows handed to the taker
    char last_char_ = '\0';
    bool skip_line_feed_ = false;  // a carriage return just ended a line
    bool ended_ = false;
    bool end_after_line_end_ = false;  // a frame's last row ended with a carriage return
    std::optional<LineProblem> problem_;
    size_t peak_bytes_kept_ = 0;
};

// Feeds the regular file at `path` (opened by OpenRegularFile with `links`) to
// `reader` chunk by chunk until the table ends, then finishes it; the failure to
// open or read the file, else success (the table's own problem is the reader's).
FileResult ReadCsvTableFile(const std::string& path, CsvTableReader& reader,
                            LinkRule links = LinkRule::kFollow);

}  // namespace kalvesta
