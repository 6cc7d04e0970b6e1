// Fuzz target of the parts file reader: any bytes are read whole or refused with
// a line, and what is read is written and read back unchanged.
#include <cmath>
#include <string>

#include "files/parts_csv.h"
#include "fuzz_entries.h"
#include "model/utf8.h"

namespace kalvesta::fuzz {

std::string PartsCsvTarget(std::string_view file_bytes) {
    const PartsReadResult read = ParsePartsCsv(file_bytes, "fuzz.parts.csv");
    if (!read.result.ok()) {
        const bool names_line = FileMessage(read.result, Catalogue())
                                    .rfind("Cannot read \"fuzz.parts.csv\": line ", 0) == 0;
        return !names_line ? "a refusal names no line: " + FileMessage(read.result, Catalogue())
               : read.parts.empty() ? ""
                                    : "a refused file leaves parts behind";
    }
    for (const Part& part : read.parts) {
        if (part.name.empty() || !IsUtf8(part.name) || !(part.mass_g > 0.0) ||
            !std::isfinite(part.mass_g) || !std::isfinite(part.x_mm)) {
            return "a part breaks the row rules: \"" + part.name + "\"";
        }
    }
    const PartsReadResult again = ParsePartsCsv(FormatPartsCsv(read.parts), "again.parts.csv");
    if (!again.result.ok() || again.parts != read.parts) {
        return "the written parts read back differently";
    }
    return {};
}

}  // namespace kalvesta::fuzz
