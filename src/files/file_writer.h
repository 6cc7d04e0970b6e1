// The one way the program writes a file: a save changes the content of the file the
// user named and nothing else, and every failure comes back with the file's name and
// the system's reason.
#pragma once

#include <string>
#include <string_view>

#include "files/file_result.h"

namespace kalvesta {

// Writes `bytes` as the whole new content of the file `path` names:
// - nothing there: the file is created (mode 0666 less the umask) and removed again
//   when the write fails; a dangling symbolic link creates its final target, as the
//   shell's ">" does;
// - a device, a named pipe or a socket: written in place, never created, renamed or
//   removed (a pipe without a reader is refused rather than waited for);
// - the process's own standard output (also through /dev/stdout): written to it;
// - a folder: refused;
// - a regular file, also at the end of a chain of symbolic links (which stay links):
//   refused when the process may not open it for writing, as the shell refuses it.
//   Otherwise the new content goes to a temporary file beside it, which is synced;
//   when that copy can take the file's permission bits, owner and group and the file
//   has no other hard link, it is renamed over the file; otherwise it is copied into
//   the existing file (keeping its links, owner and group) and then removed. Should
//   that copy fail, the message names the temporary file, which is kept complete.
// On any other failure the earlier file is untouched and no temporary file remains.
FileResult WriteFileContents(const std::string& path, std::string_view bytes);

// Writes `bytes` to the process's standard output, checking every write.
FileResult WriteStandardOutput(std::string_view bytes);

// The name failures of WriteStandardOutput give: Cannot write "standard output": ...
inline constexpr const char* kStandardOutputName = "standard output";

}  // namespace kalvesta
