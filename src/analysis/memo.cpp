// The message memo's fixed line storage.
#include "analysis/memo.h"

#include <algorithm>

namespace kalvesta {

void Memo::Reset(bool english_captions) {
    line_count_ = 0;
    visible = false;
    AddLine(english_captions ? "Error: " : "Fehler: ");
}

void Memo::AddLine(std::string_view line) {
    if (line_count_ >= kMaxLines) {
        return;
    }
    size_t size = std::min(line.size(), kMaxLineBytes);
    // Never cut a UTF-8 sequence: step back over continuation bytes.
    if (size < line.size()) {
        while (size > 0 && (static_cast<unsigned char>(line[size]) & 0xC0) == 0x80) {
            --size;
        }
    }
    Line& target = lines_[static_cast<size_t>(line_count_)];
    std::copy_n(line.data(), size, target.bytes.data());
    target.size = size;
    ++line_count_;
}

void Memo::ReportFailure(std::string_view line) {
    AddLine(line);
    visible = true;
    calc_failed = true;
}

void Memo::ReportFailure(std::string_view line1, std::string_view line2) {
    AddLine(line1);
    ReportFailure(line2);
}

std::string_view Memo::line(int i) const {
    if (i < 0 || i >= line_count_) {
        return {};
    }
    const Line& l = lines_[static_cast<size_t>(i)];
    return {l.bytes.data(), l.size};
}

std::string Memo::Text(int first_line) const {
    std::string text;
    for (int i = first_line; i < line_count_; ++i) {
        if (i > first_line) {
            text += '\n';
        }
        text += line(i);
    }
    return text;
}

}  // namespace kalvesta
