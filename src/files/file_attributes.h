// What a file is besides its content and its name: owner, group, mode with the
// set-user-ID and set-group-ID bits, extended attributes and the access control list
// (kept by the system as the attribute "system.posix_acl_access"). A new copy that
// is to replace a file takes them all over, or the file is written in place.
#pragma once

#include <sys/stat.h>

namespace kalvesta {

// Gives the new file `copy` the owner, group, extended attributes (the ACL among
// them) and mode of the file `original`, whose status is `status`. True when all of
// them now match; false when the process may not set one of them.
bool TakeOverAttributes(int original, const struct stat& status, int copy);

// After the file was written in place: its set-ID bits back where the system cleared
// them on the write and the process may set them again.
void RestoreSetIdBits(int file, const struct stat& status);

}  // namespace kalvesta
