// Fuzz target of the parts file reader: any bytes are read whole or refused with
// a line, the same in one piece as in chunks, in memory bounded by what is kept,
// and what is read is written and read back unchanged.
#include <cmath>
#include <string>
#include <vector>

#include "files/parts_csv.h"
#include "fuzz_entries.h"
#include "model/utf8.h"

namespace kalvesta::fuzz {

namespace {

// The reader must not depend on how the file arrives: chunks of 1 to 8 bytes, as the
// first byte chooses, give what the whole text gives.
std::string ChunkFault(std::string_view bytes, const PartsReadResult& whole) {
    const size_t chunk = bytes.empty() ? 1 : 1 + static_cast<unsigned char>(bytes[0]) % 8;
    std::vector<Part> parts;
    CsvTableReader reader = PartsTableReader(parts);
    for (size_t at = 0; at < bytes.size() && !reader.ended(); at += chunk) {
        reader.Feed(bytes.substr(at, chunk));
    }
    reader.Finish();
    const bool same = reader.problem()
                          ? FileMessage(LineFailure("fuzz.parts.csv", *reader.problem()),
                                        Catalogue()) == FileMessage(whole.result, Catalogue())
                          : whole.result.ok() && parts == whole.parts;
    return same ? std::string() : "chunked reading gives another outcome";
}

}  // namespace

std::string PartsCsvTarget(std::string_view file_bytes) {
    const PartsReadResult read = ParsePartsCsv(file_bytes, "fuzz.parts.csv");
    if (std::string fault = ChunkFault(file_bytes, read); !fault.empty()) {
        return fault;
    }
    // One row and its fields, and the parts: nothing grows with the file's length.
    if (read.bytes_kept > 2 * kMaxCsvRowBytes + BytesOf(read.parts)) {
        return "reading kept " + std::to_string(read.bytes_kept) + " bytes";
    }
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
