// The red message memo of the analysis (Memo1): a heading line and the lines the
// analysis steps append, whether it is shown, and the calc_failed flag through
// which a step tells the calculation driver to stop.
//
// A line is a text of the catalogue by its identifier, with the values of its
// placeholders; the front-end turns the lines into words in its language. Lines
// live in fixed storage so that appending never allocates during a calculation:
// at most kMaxLines lines of at most kMaxValues values of at most kMaxValueBytes
// bytes (UTF-8). Further lines, further values, or the tail of a longer value are
// dropped; no analysis message comes near any limit.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "texts/catalogue.h"

namespace kalvesta {

class Memo {
public:
    static constexpr int kMaxLines = 64;
    static constexpr size_t kMaxValues = 2;
    static constexpr size_t kMaxNameBytes = 16;
    static constexpr size_t kMaxValueBytes = 160;

    bool visible = false;
    // Set by a step that reports a failure, so that the pipeline can stop; after a
    // calculation it is CalcFailed of the outcome the pipeline returns.
    bool calc_failed = false;

    // The memo as the whole-aircraft preparation leaves it: the single heading
    // line ("Error: " in English, "Fehler: " in German), hidden. calc_failed is
    // left alone: the calculation driver clears it.
    void Reset();

    // Removes every line, including the heading.
    void Clear() { line_count_ = 0; }

    // Appends one line.
    void AddLine(TextId id, std::initializer_list<TextValue> values = {});

    // A failing analysis step: appends its line, shows the memo and sets
    // calc_failed.
    void ReportFailure(TextId id, std::initializer_list<TextValue> values = {});

    int line_count() const { return line_count_; }
    // Line i = 0..line_count()-1 (allocates: for display).
    Message line(int i) const;
    // The lines from `first_line` on (all by default).
    std::vector<Message> Lines(int first_line = 0) const;
    // Those lines in words, joined by "\n" (for display; allocates).
    std::string Text(const Catalogue& texts, int first_line = 0) const;

private:
    // Text of at most N bytes, cut at a character boundary.
    template <size_t N>
    struct FixedText {
        std::array<char, N> bytes{};
        size_t size = 0;
        void Assign(std::string_view text);
        std::string_view view() const { return {bytes.data(), size}; }
    };
    struct Value {
        FixedText<kMaxNameBytes> name;
        FixedText<kMaxValueBytes> text;
    };
    struct Line {
        TextId id{};
        std::array<Value, kMaxValues> values{};
        size_t value_count = 0;
    };
    std::array<Line, kMaxLines> lines_{};
    int line_count_ = 0;
};

}  // namespace kalvesta
