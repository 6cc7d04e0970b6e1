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

// Whether the file of `status` keeps its set-ID bits through a write into it by this
// process: the system clears the set-user-ID bit, and the set-group-ID bit of a file
// its group may run, on a write by any process but root's, and only the owner may set
// them again, the set-group-ID bit only as a member of the file's group.
bool SetIdBitsKeptInPlace(const struct stat& status);

// After the file was written in place: its set-ID bits back where the system cleared
// them on the write. False when they are not back.
bool RestoreSetIdBits(int file, const struct stat& status);

}  // namespace kalvesta
