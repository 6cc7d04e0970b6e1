// Writing new content into an existing regular file itself, for the files a
// renamed copy cannot replace (a folder the user may not write, a file with several
// hard links, an owner or attributes a new file could not take). The old content
// stays whole until the new content is known to fit, and a failure never leaves a
// mix of the two.
#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

#include "files/file_result.h"
#include "files/file_writer.h"

namespace kalvesta {

// A complete, synced copy of the new content, kept until the file holds it.
struct SafetyCopy {
    std::string name;  // empty when none could be made
    int error = 0;     // why none could be made, an errno value
};

// A safety copy of `bytes` in the user's runtime folder or else in the temporary
// folder, for a file whose own folder takes none.
SafetyCopy MakeSafetyCopyElsewhere(std::string_view bytes);

// Writes `bytes` into the open regular file `fd` (status `status`) named `path`:
// - refused before the file changes when the new content would pass the file size
//   limit, when the write would clear a set-ID bit that this process may not set
//   again, when its space cannot be reserved (a full disk: what the reservation took
//   is given back), or when the file system cannot reserve space at all and there
//   is no safety copy;
// - then written from the start, synced, cut to its length and synced again;
// - should that fail before the cut, the earlier content is put back when it could
//   be read beforehand; otherwise the failure names the safety copy, or says that
//   the file may be incomplete.
// The safety copy is removed unless a failure names it; one that cannot be removed
// is named by the (successful) result.
FileResult WriteIntoFile(const std::string& path, int fd, const struct stat& status,
                         std::string_view bytes, const SafetyCopy& copy, const WriterSeam& seam);

}  // namespace kalvesta
