// Line splitting and per-line conversion of ".da4" text (rules in da4_text_reader.h).
#include "files/da4_text_reader.h"

#include "model/text_to_int.h"

namespace kalvesta {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

void TrimTrailingBlanks(std::string& text) {
    while (!text.empty() && IsBlank(text.back())) {
        text.pop_back();
    }
}

}  // namespace

bool Da4TextReader::Feed(std::string_view chunk) {
    for (const char c : chunk) {
        if (Done() || !TakeChar(c)) {
            break;
        }
        ++taken_;
        last_taken_ = c;
    }
    return !Done();
}

bool Da4TextReader::TakeChar(char c) {
    if (pending_cr_ > 0) {
        // Only while the line ends are unknown: a run of carriage returns ending in
        // a line feed is one line end; otherwise each return ends a line.
        if (c == '\r') {
            ++pending_cr_;
            return true;
        }
        if (c == '\n') {
            line_ends_ = LineEnds::kLf;
            pending_cr_ = 0;
            EndLine();
            return true;
        }
        line_ends_ = LineEnds::kCr;
        for (; pending_cr_ > 0 && !Done(); --pending_cr_) {
            EndLine();
        }
        pending_cr_ = 0;
        if (Done()) {
            return false;
        }
    }
    switch (line_ends_) {
        case LineEnds::kUnknown:
            if (c == '\r') {
                pending_cr_ = 1;
            } else if (c == '\n') {
                line_ends_ = LineEnds::kLf;
                EndLine();
            } else {
                KeepChar(c);
            }
            break;
        case LineEnds::kLf:
            if (c == '\n') {
                EndLine();
            } else {
                KeepChar(c);
            }
            break;
        case LineEnds::kCr:
            if (c == '\r' || (c == '\n' && !last_was_cr_)) {
                EndLine();
            } else if (c != '\n') {
                KeepChar(c);
            }
            last_was_cr_ = c == '\r';
            break;
    }
    return true;
}

void Da4TextReader::KeepChar(char c) {
    if (kept_.empty() && IsBlank(c)) {
        return;
    }
    if (kept_.size() < kMaxKeptChars) {
        kept_ += c;
    }
}

void Da4TextReader::EndLine() {
    if (line_index_ == 0 && kept_.starts_with(kUtf8ByteOrderMark)) {
        kept_.erase(0, kUtf8ByteOrderMark.size());
        const size_t first = kept_.find_first_not_of(" \t\r");
        kept_.erase(0, first == std::string::npos ? kept_.size() : first);
    }
    TrimTrailingBlanks(kept_);
    const Int32Reading reading = ReadInt32(kept_);
    values_[static_cast<size_t>(line_index_)] = reading.value;
    numbered_lines_ += reading.has_digits ? 1 : 0;
    if (!reading.whole) {
        unclear_lines_.push_back(line_index_ + 1);
    }
    ++line_index_;
    kept_.clear();
}

Da4Values Da4TextReader::Finish() {
    for (; pending_cr_ > 0 && !Done(); --pending_cr_) {
        EndLine();
    }
    pending_cr_ = 0;
    if (!Done() && !kept_.empty()) {
        EndLine();
    }
    lines_read_ = line_index_;
    return values_;
}

Da4Values ParseDa4Text(std::string_view text) {
    Da4TextReader reader;
    reader.Feed(text);
    return reader.Finish();
}

}  // namespace kalvesta
