// Reading and writing the sections of a ".da4" file.
#include "files/da4_sections.h"

#include <algorithm>
#include <charconv>

#include "files/fuselage_csv.h"
#include "files/parts_csv.h"

namespace kalvesta {
namespace {

// A heading is short; of a longer line only this much is kept to be refused.
constexpr size_t kMaxHeadingBytes = 256;

struct Heading {
    std::string name;
    int rows = 0;
};

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "[NAME] ROWS", blanks around it aside; nothing when the text is no heading.
std::optional<Heading> ReadHeading(std::string_view text) {
    const size_t close = text.find(']');
    if (!text.starts_with('[') || close == std::string_view::npos || close == 1) {
        return std::nullopt;
    }
    const std::string_view name = text.substr(1, close - 1);
    const std::string_view rows = TrimBlanks(text.substr(close + 1));
    Heading heading;
    heading.name = std::string(name);
    const auto [end, error] = std::from_chars(rows.data(), rows.data() + rows.size(), heading.rows);
    if (!std::all_of(name.begin(), name.end(), IsNameChar) || rows.empty() ||
        !std::all_of(rows.begin(), rows.end(), IsDigit) || error != std::errc() ||
        end != rows.data() + rows.size()) {
        return std::nullopt;
    }
    return heading;
}

}  // namespace

Da4SectionsReader::Da4SectionsReader(int first_line) : line_(first_line) {}

bool Da4SectionsReader::Feed(std::string_view chunk) {
    while (!chunk.empty() && !problem_ && state_ != State::kIgnored) {
        if (table_) {
            chunk.remove_prefix(table_->Feed(chunk));
            if (table_->ended()) {
                EndTable();
            }
            continue;
        }
        TakeChar(chunk.front());
        chunk.remove_prefix(1);
    }
    return !problem_ && state_ != State::kIgnored;
}

void Da4SectionsReader::TakeChar(char c) {
    if (skip_line_feed_) {
        skip_line_feed_ = false;
        if (c == '\n') {
            return;
        }
    }
    if (c == '\r' || c == '\n') {
        skip_line_feed_ = c == '\r';
        EndLine();
        return;
    }
    if (text_.size() < kMaxHeadingBytes) {
        text_ += c;
    }
    // Text after the 53rd line that is no heading: a file without sections, whose
    // rest is not read at all.
    const std::string_view text = TrimBlanks(text_);
    if (state_ == State::kFirstHeading && !text.empty() && text.front() != '[') {
        state_ = State::kIgnored;
    }
}

void Da4SectionsReader::EndLine() {
    const std::string text(TrimBlanks(text_));
    text_.clear();
    const int line = line_++;
    if (text.empty()) {
        return;
    }
    if (!text.starts_with('[')) {
        return Fail(line, TextId::kDa4TextAfterSections);
    }
    const std::optional<Heading> heading = ReadHeading(text);
    if (!heading) {
        return Fail(line, TextId::kDa4NoSectionHeading);
    }
    const std::string& name = heading->name;
    if (heading->rows > kMaxCsvRows) {
        return Fail(line, {TextId::kDa4SectionTooLong,
                           {{"section", name},
                            {"rows", std::to_string(heading->rows)},
                            {"limit", std::to_string(kMaxCsvRows)}}});
    }
    StartTable(name, {name, heading->rows, line_}, line);
}

void Da4SectionsReader::StartTable(const std::string& name, const CsvTableFrame& frame, int line) {
    const bool fuselage = name == kFuselageSection;
    if (!fuselage && name != kPartsSection) {
        return Fail(line, {TextId::kDa4UnknownSection, {{"section", name}}});
    }
    if (fuselage ? sections_.fuselage.has_value() : sections_.parts.has_value()) {
        return Fail(line, {TextId::kDa4SecondSection, {{"section", name}}});
    }
    table_.emplace(fuselage ? FuselageTableReader(sections_.fuselage.emplace(), frame)
                            : PartsTableReader(sections_.parts.emplace(), frame));
    table_heading_line_ = line;
    table_is_fuselage_ = fuselage;
    if (skip_line_feed_) {
        table_->AfterCarriageReturn();
        skip_line_feed_ = false;
    }
    state_ = State::kInTable;
}

void Da4SectionsReader::EndTable() {
    // A heading, the table's row, and every list kept so far.
    const size_t kept = (sections_.parts ? BytesOf(*sections_.parts) : 0) +
                        (sections_.fuselage ? BytesOf(*sections_.fuselage) : 0);
    peak_bytes_kept_ =
        std::max(peak_bytes_kept_, kMaxHeadingBytes + table_->peak_bytes_kept() + kept);
    if (table_->problem()) {
        problem_ = table_->problem();
    } else if (table_is_fuselage_) {
        // The rules on the whole outline, named at its heading.
        if (std::optional<Message> outline = OutlineProblemText(*sections_.fuselage)) {
            Fail(table_heading_line_, std::move(*outline));
        }
    }
    line_ = table_->line();
    table_.reset();
    state_ = State::kBetween;
}

void Da4SectionsReader::Fail(int line, Message reason) {
    problem_ = LineProblem{line, std::move(reason)};
}

void Da4SectionsReader::Finish() {
    if (problem_ || state_ == State::kIgnored) {
        return;
    }
    if (!table_ && !text_.empty()) {
        EndLine();  // a last line without its line end
    }
    if (table_) {
        table_->Finish();
        EndTable();
    }
}

std::string FormatSection(std::string_view name, size_t rows, std::string_view table_text) {
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about "[" + text.
    std::string text = "[";
    text += name;
    text += "] " + std::to_string(rows) + "\r\n";
    text += table_text;
    return text;
}

std::string FormatSections(const Da4Sections& sections) {
    std::string text;
    if (sections.parts) {
        text +=
            FormatSection(kPartsSection, sections.parts->size(), FormatPartsCsv(*sections.parts));
    }
    if (sections.fuselage) {
        text += FormatSection(kFuselageSection, sections.fuselage->stations.size(),
                              FormatFuselageCsv(*sections.fuselage));
    }
    return text;
}

}  // namespace kalvesta
