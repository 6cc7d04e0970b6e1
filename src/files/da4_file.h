// Reading and writing ".da4" files. Failures come back as values whose message names
// the file and the system's reason, ready to be shown to the user as they stand.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "files/da4_format.h"
#include "files/file_writer.h"

namespace kalvesta {

struct Da4ReadResult {
    FileResult result;
    Da4Values values{};      // all 0 when result is not ok
    int numbered_lines = 0;  // of the 53 lines read, those that held a number
};

// Reads the 53 values of the file at `path` (rules in da4_text_reader.h). Reads no
// further than the 53rd line and at most kMaxDa4ScanBytes in all: what lies beyond
// that limit reads as missing lines (0). Refuses directories and anything that is not
// a regular file (a pipe or a device would never end or never answer).
Da4ReadResult ReadDa4File(const std::string& path);

inline constexpr int64_t kMaxDa4ScanBytes = int64_t{64} << 20;

// The same for a file's whole text held in memory (a file the browser page was
// given): the same rules, and nothing beyond kMaxDa4ScanBytes.
Da4ReadResult ReadDa4Text(std::string_view text);

// Whether a read file can be opened as an aircraft: its read failure, or, when not
// one of its lines held a number, that it is no aircraft file (random bytes or a
// text of another kind, which would otherwise load as an aircraft of zeros and be
// overwritten by the next Save); success otherwise.
FileResult AircraftFileResult(const Da4ReadResult& read, const std::string& path);

// Writes the values as the 53-line file text to `path` by WriteFileContents: an
// earlier file is replaced only once the new content is complete, keeps its mode,
// owner, group and links, and is left untouched on failure.
FileResult WriteDa4File(const std::string& path, const Da4Values& values);

}  // namespace kalvesta
