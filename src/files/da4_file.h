// Reading and writing ".da4" files. Failures come back as values whose message names
// the file and the system's reason, ready to be shown to the user as they stand.
#pragma once

#include <cstdint>
#include <string>

#include "files/da4_format.h"

namespace kalvesta {

enum class FileError {
    kNone,
    kCannotOpen,   // the file cannot be opened for reading (missing, no permission, ...)
    kCannotRead,   // opened, but reading it failed
    kCannotWrite,  // the new file could not be written or put in place of the old one
};

struct FileResult {
    FileError error = FileError::kNone;
    // Empty on success, else for example: Cannot open "plane.da4": Permission denied
    std::string message;

    bool ok() const { return error == FileError::kNone; }
};

struct Da4ReadResult {
    FileResult result;
    Da4Values values{};  // all 0 when result is not ok
};

// Reads the 53 values of the file at `path` (rules in da4_text_reader.h). Reads no
// further than the 53rd line and at most kMaxDa4ScanBytes in all: what lies beyond
// that limit reads as missing lines (0). Refuses directories and anything that is not
// a regular file (a pipe or a device would never end or never answer).
Da4ReadResult ReadDa4File(const std::string& path);

inline constexpr int64_t kMaxDa4ScanBytes = int64_t{64} << 20;

// Writes the values as the 53-line file text to `path`, replacing any file there
// only once the new one is complete: the text goes to a temporary file in the same
// folder, which is flushed to disk, closed and then renamed over `path`. On any
// failure the previous file is left untouched and the temporary file removed. A
// replaced file keeps its permission bits; a symbolic link is written through.
FileResult WriteDa4File(const std::string& path, const Da4Values& values);

}  // namespace kalvesta
