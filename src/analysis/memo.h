// The red message memo of the analysis (Memo1): a heading line and the lines the
// analysis steps append, whether it is shown, and the calc_failed flag through
// which a step tells the calculation driver to stop.
//
// Lines live in fixed storage so that appending never allocates during a
// calculation: at most kMaxLines lines of at most kMaxLineBytes bytes (UTF-8).
// Further lines, or the tail of a longer line, are dropped; no analysis message
// comes near either limit.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kalvesta {

class Memo {
public:
    static constexpr int kMaxLines = 64;
    static constexpr size_t kMaxLineBytes = 160;

    bool visible = false;
    // Set by a step that reports a failure, so that the pipeline can stop; after a
    // calculation it is CalcFailed of the outcome the pipeline returns.
    bool calc_failed = false;

    // The memo as the whole-aircraft preparation leaves it: the single heading
    // line "Error: " (English) or "Fehler: " (German), hidden. calc_failed is left
    // alone: the calculation driver clears it.
    void Reset(bool english_captions);

    // Removes every line, including the heading.
    void Clear() { line_count_ = 0; }

    // Appends one line (truncated at a character boundary if it is too long).
    void AddLine(std::string_view line);

    // A failing analysis step: appends its lines, shows the memo and sets
    // calc_failed.
    void ReportFailure(std::string_view line);
    void ReportFailure(std::string_view line1, std::string_view line2);

    int line_count() const { return line_count_; }
    // Line i = 0..line_count()-1.
    std::string_view line(int i) const;

    // The lines from `first_line` on (all by default) joined by "\n" (for display;
    // allocates).
    std::string Text(int first_line = 0) const;

private:
    struct Line {
        std::array<char, kMaxLineBytes> bytes{};
        size_t size = 0;
    };
    std::array<Line, kMaxLines> lines_{};
    int line_count_ = 0;
};

}  // namespace kalvesta
