// The message memo's fixed line storage.
#include "analysis/memo.h"

#include <algorithm>

#include "model/check.h"

namespace kalvesta {

template <size_t N>
void Memo::FixedText<N>::Assign(std::string_view text) {
    size = std::min(text.size(), N);
    // Never cut a UTF-8 sequence: step back over continuation bytes.
    if (size < text.size()) {
        while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80) {
            --size;
        }
    }
    std::copy_n(text.data(), size, bytes.data());
}

void Memo::Reset() {
    line_count_ = 0;
    visible = false;
    AddLine(TextId::kMemoHeading);
}

void Memo::AddLine(TextId id, std::initializer_list<TextValue> values) {
    if (line_count_ >= kMaxLines) {
        return;
    }
    Line& line = lines_[static_cast<size_t>(line_count_)];
    line.id = id;
    line.value_count = std::min(values.size(), kMaxValues);
    for (size_t i = 0; i < line.value_count; ++i) {
        line.values[i].name.Assign(values.begin()[i].name);
        line.values[i].text.Assign(values.begin()[i].text);
    }
    ++line_count_;
}

void Memo::ReportFailure(TextId id, std::initializer_list<TextValue> values) {
    AddLine(id, values);
    visible = true;
    calc_failed = true;
}

Message Memo::line(int i) const {
    KALVESTA_CHECK(i >= 0 && i < line_count_);
    const Line& l = lines_[static_cast<size_t>(i)];
    std::array<TextValue, kMaxValues> values;
    for (size_t v = 0; v < l.value_count; ++v) {
        values[v] = {l.values[v].name.view(), l.values[v].text.view()};
    }
    return Message(l.id, std::span<const TextValue>(values.data(), l.value_count));
}

std::vector<Message> Memo::Lines(int first_line) const {
    std::vector<Message> lines;
    for (int i = std::max(first_line, 0); i < line_count_; ++i) {
        lines.push_back(line(i));
    }
    return lines;
}

std::string Memo::Text(const Catalogue& texts, int first_line) const {
    return texts.Lines(Lines(first_line));
}

}  // namespace kalvesta
