// "Open" and "Save" of the design document: a ".da4" read into a `Design` and a
// `Design` written as one ".da4" (its 53 values, then its parts and its fuselage as
// sections). The window, the command line and the browser page load and save
// through these, so that all three read and write a design alike.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "files/da4_file.h"
#include "files/file_result.h"
#include "files/parts_csv.h"
#include "model/design.h"

namespace kalvesta {

// How the ".da4" is read: ReadDa4File, or for the browser page a text it holds.
using Da4Reader = std::function<Da4ReadResult(const std::string& path)>;
// How the parts file beside a design without a parts section is read (how parts
// were saved before): ReadPartsBeside, or nothing where no file can stand beside.
using PartsBesideReader =
    std::function<std::optional<PartsReadResult>(const std::string& design_path)>;
// The reader for a design with no folder around it (the browser page's text).
inline std::optional<PartsReadResult> NoPartsBeside(const std::string&) {
    return std::nullopt;
}

// What "Open" found.
struct DesignOpening {
    FileResult result;     // not ok: the file is not a design, the design is left as it was
    Da4Leniency leniency;  // what the lenient reading filled in or clamped
    std::optional<std::string> parts_path;  // where the parts came from, if any
    // The parts file beside could not be read: the design is open without parts.
    std::optional<FileResult> parts_beside_failure;
};

// Reads `path` into `design` as "Open": the 53 values over the design's inputs (a
// count out of range keeps the design's), the file's parts section, else the parts
// file beside a file that has none, and its fuselage section; a new history, saved
// as it stands.
DesignOpening OpenDesignFile(Design& design, const std::string& path,
                             const Da4Reader& read = ReadDa4File,
                             const PartsBesideReader& read_beside = ReadPartsBeside);

// The sections "Save" writes after the 53 values: the parts and the fuselage when
// the design has them. The parts are the table's reading: a table with a row that
// does not read is refused before saving, since it would lose that row.
Da4Sections SectionsOf(const Design& design);

// The text "Save" writes.
std::string DesignFileText(const Design& design);

// Writes the design to `path` as "Save" does (WriteDa4File: one replace) and, once
// written, marks it saved there.
FileResult SaveDesignFile(Design& design, const std::string& path);

}  // namespace kalvesta
