// Opening and reading the files a user names: only regular files are read (a
// folder, a pipe or a device is refused, since it would never end or never
// answer), and every failure names the file and the system's reason.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_descriptor.h"
#include "files/file_result.h"

namespace kalvesta {

// Whether the last name of a path may be a symbolic link: a file the user named is
// reached through links, a file the program found beside it (a companion) is not.
enum class LinkRule { kFollow, kRefuse };

// Opens `path` for reading without waiting on a pipe and refuses anything that is
// not a regular file, and with kRefuse a symbolic link; on success `file` holds the
// open file.
FileResult OpenRegularFile(const std::string& path, std::optional<FileDescriptor>& file,
                           LinkRule links = LinkRule::kFollow);

// Reads the open `file` from its start and hands `take` one chunk after another
// until the end, at most `max_bytes` in all, or until `take` returns false.
FileResult ReadInChunks(const std::string& path, const FileDescriptor& file, int64_t max_bytes,
                        const std::function<bool(std::string_view chunk)>& take);

}  // namespace kalvesta
