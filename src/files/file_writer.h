// The one way the program writes a file: a save changes the content of the file the
// user named and nothing else, and every failure comes back with the file's name and
// the system's reason.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "files/file_result.h"

namespace kalvesta {

// Writes `bytes` as the whole new content of the file `path` names. Every open is
// non-blocking until the kind of file is known; a write beyond the file size limit
// fails with "File too large", and one to a pipe whose reader has closed it with
// "the reader closed the pipe", instead of ending the process.
// - nothing there: the content goes to a new file beside the name, which takes the
//   name once it is complete (mode 0666 less the umask); a dangling symbolic link
//   creates its final target, as the shell's ">" does. A failure removes only that
//   new file.
// - a descriptor of this process (/dev/stdout, /dev/stderr, /dev/fd/N), or the file
//   its standard output or error goes to: written where that descriptor stands.
// - a device, a named pipe, a terminal or a socket: written in place, never created,
//   renamed or removed (a pipe without a reader is refused rather than waited for).
// - a folder: refused.
// - a regular file, also at the end of a chain of symbolic links (which stay links):
//   refused when the process may not open it for writing, as the shell refuses it,
//   and when it no longer stands under its name once open (renamed or replaced by
//   another program). Otherwise the new content goes to a copy beside it, which is
//   synced. When that copy can take the file's owner, group, mode (set-ID bits too),
//   extended attributes and ACL, and the file has no other hard link, it is renamed
//   over the file. Otherwise the content is written into the file itself
//   (WriteIntoFile), with the copy, or one in the runtime or temporary folder when
//   the file's folder takes none, standing by; a failure then puts the earlier
//   content back or names the copy.
// The temporary files it makes are created new (never through a symbolic link that
// stands in their place). On any other failure the earlier file is untouched and no
// temporary file remains.
FileResult WriteFileContents(const std::string& path, std::string_view bytes);

// Moments in the writer at which a test may act, as another process might, or end
// the process, as a kill might.
struct WriterSeam {
    // The new file of a first save exists, before its content is written.
    std::function<void()> new_file_created;
    // An existing regular file is open for writing, before anything is written.
    std::function<void()> target_opened;
    // The complete, synced copy is about to be renamed over the file.
    std::function<void()> before_replace;
    // The file is to be written in place; its safety copy (if any) exists.
    std::function<void()> safety_copy_made;
};
FileResult WriteFileContents(const std::string& path, std::string_view bytes,
                             const WriterSeam& seam);

// Writes `bytes` to the process's standard output, checking every write.
FileResult WriteStandardOutput(std::string_view bytes);

// The name failures of WriteStandardOutput give: Cannot write "standard output": ...
inline constexpr const char* kStandardOutputName = "standard output";

}  // namespace kalvesta
