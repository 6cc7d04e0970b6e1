// The sections a ".da4" file holds after its 53 lines: what is saved with the design
// besides its geometry (its parts and its fuselage's outline), in the one file, so that one save
// replaces all of it at once. Every reader of the 53-line format reads 53 lines and ignores the
// rest, so such a file still opens there, without its sections.
//
// A section is a table framed so that a file cut short or patched together is told
// from a whole one:
//
//   [parts] 2                 the heading: "[", the name, "]", a blank, the rows
//   part,mass_g,x_mm          the table's header line (csv_table.h)
//   motor,110,-60             exactly that many rows
//   battery,150,-20
//
// Every line is ended by CR LF as the 53 lines are (LF or CR alone is read too), the
// last row's too: a file that ends inside a section, or before the last row's line
// end, is incomplete. Sections follow one another, in any order, each at most once;
// blank lines may stand between them. A section of an unknown name is refused by
// name (a newer program's file) rather than dropped. When the line after the 53rd
// is no heading, the file has no sections and the rest is ignored, as it always was.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/csv_table.h"
#include "model/fuselage.h"
#include "model/parts.h"

namespace kalvesta {

inline constexpr std::string_view kPartsSection = "parts";
// The fuselage's stations (fuselage_csv.h), an outline that CheckOutline accepts.
inline constexpr std::string_view kFuselageSection = "fuselage";

// What the sections of a file hold: nothing where the file has no such section.
struct Da4Sections {
    std::optional<std::vector<Part>> parts;
    std::optional<Fuselage> fuselage;
    friend bool operator==(const Da4Sections&, const Da4Sections&) = default;
};

// Reads the text after the 53rd line end, chunk by chunk.
class Da4SectionsReader {
public:
    // `first_line`: the file's line number of the text's first line.
    explicit Da4SectionsReader(int first_line);

    // The 53rd line ended with a carriage return: a line feed first is part of it.
    void AfterCarriageReturn() { skip_line_feed_ = true; }
    // Takes the next chunk; false once nothing more is wanted (no sections, or a
    // problem).
    bool Feed(std::string_view chunk);
    // The text ends.
    void Finish();

    const std::optional<LineProblem>& problem() const { return problem_; }
    Da4Sections& sections() { return sections_; }
    // The most bytes of lines, rows and kept values held at once.
    size_t peak_bytes_kept() const { return peak_bytes_kept_; }

private:
    enum class State { kFirstHeading, kBetween, kInTable, kIgnored };

    void TakeChar(char c);
    // A line outside the tables is complete.
    void EndLine();
    // The table of the section `name`, whose heading stands on `line`.
    void StartTable(const std::string& name, const CsvTableFrame& frame, int line);
    void EndTable();
    void Fail(int line, Message reason);

    State state_ = State::kFirstHeading;
    int line_;
    std::string text_;  // the line outside the tables, its first kMaxHeadingBytes
    bool skip_line_feed_ = false;
    std::optional<CsvTableReader> table_;
    int table_heading_line_ = 0;
    bool table_is_fuselage_ = false;
    size_t peak_bytes_kept_ = 0;
    Da4Sections sections_;
    std::optional<LineProblem> problem_;
};

// The text of a section: its heading, then `table_text` (the table's header line and
// its `rows` rows, each ended by CR LF).
std::string FormatSection(std::string_view name, size_t rows, std::string_view table_text);

// The text of the sections that hold something, in a fixed order.
std::string FormatSections(const Da4Sections& sections);

}  // namespace kalvesta
