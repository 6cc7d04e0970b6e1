// Reading the 53 values of a ".da4" file from its text, chunk by chunk, so that a
// file of any size or shape is read in bounded memory and no further than needed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "files/da4_format.h"

namespace kalvesta {

// Lines may end in LF, CR LF or CR alone. The first line end decides: once a line
// feed has been seen, a carriage return is a blank like any other (so a stray one
// before the line feed, as in "-130\r\r\n", changes nothing); a file whose first
// line end is a carriage return not followed by a line feed uses CR line ends.
//
// Each line: blanks, tabs and (with LF line ends) carriage returns around the number
// are ignored, so "-130 " and "\t-130\t" read as −130; a UTF-8 byte order mark at the
// start of the file is skipped; the rest follows the input boxes' conversion
// (TextToInt32: leading digits, saturating beyond the 32-bit range, 0 for text
// without digits). Of a line's text only the first kMaxKeptChars characters after
// its leading blanks are kept, so a line of megabytes costs no memory. Lines beyond
// the 53rd are not looked at; lines missing at the end read as 0.
class Da4TextReader {
public:
    static constexpr size_t kMaxKeptChars = 64;

    // Takes the next chunk of the file. Returns false once all 53 lines are read:
    // the caller need not feed any more.
    bool Feed(std::string_view chunk);

    // The bytes of the input that made the 53 lines, their line ends included (what
    // follows them starts after as many bytes), and whether the last of them ended
    // with a carriage return (a line feed right after it belongs to that line end).
    size_t taken() const { return taken_; }
    bool ended_with_cr() const { return last_taken_ == '\r'; }

    // Ends the input (an unterminated last line counts) and returns the values.
    Da4Values Finish();

    // How many of the lines read held a number (a digit after the blanks, a sign
    // or a hexadecimal prefix): none means the file is no aircraft file at all.
    int numbered_lines() const { return numbered_lines_; }
    // How many of the 53 lines the text held (after Finish); the rest read as 0.
    int lines_read() const { return lines_read_; }
    // The lines (numbered from 1) whose text was no whole number and read as its
    // leading digits, or as 0.
    const std::vector<int>& unclear_lines() const { return unclear_lines_; }

private:
    enum class LineEnds { kUnknown, kLf, kCr };

    // False when `c` was not needed: it belongs after the 53rd line.
    bool TakeChar(char c);
    void KeepChar(char c);
    void EndLine();
    bool Done() const { return line_index_ >= kDa4LineCount; }

    Da4Values values_{};
    int line_index_ = 0;
    int numbered_lines_ = 0;
    int lines_read_ = 0;
    std::vector<int> unclear_lines_;
    LineEnds line_ends_ = LineEnds::kUnknown;
    int pending_cr_ = 0;        // carriage returns not yet known to be line ends or blanks
    bool last_was_cr_ = false;  // CR mode: a line feed right after a carriage return
    std::string kept_;          // the kept text of the current line
    size_t taken_ = 0;
    char last_taken_ = '\0';
};

// The values of a whole text held in memory.
Da4Values ParseDa4Text(std::string_view text);

}  // namespace kalvesta
