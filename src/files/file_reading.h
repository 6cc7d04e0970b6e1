// Opening and reading the files a user names: only regular files are read (a
// folder, a pipe or a device is refused, since it would never end or never
// answer), and every failure names the file and the system's reason.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "files/file_descriptor.h"
#include "files/file_writer.h"

namespace kalvesta {

// Opens `path` for reading without waiting on a pipe and refuses anything that is
// not a regular file; on success `file` holds the open file.
FileResult OpenRegularFile(const std::string& path, std::optional<FileDescriptor>& file);

// The whole content of the regular file at `path` into `bytes`; a file longer than
// `max_bytes` is refused rather than read in part.
FileResult ReadWholeFile(const std::string& path, int64_t max_bytes, std::string& bytes);

}  // namespace kalvesta
