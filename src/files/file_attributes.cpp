// Owner, extended attributes and mode of a file, copied with fchown, the *xattr
// calls (Linux's; elsewhere a file has no extended attributes to copy) and fchmod.
#include "files/file_attributes.h"

#if defined(__linux__)
#include <sys/xattr.h>
#endif
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

namespace kalvesta {
namespace {

constexpr mode_t kModeBits = 07777;
constexpr mode_t kSetIdBits = S_ISUID | S_ISGID;

#if defined(__linux__)

// The names of the file's extended attributes that this process can see; nothing
// when they cannot be listed (ENOTSUP included: an attribute the file may hold
// cannot be known).
std::optional<std::vector<std::string>> AttributeNames(int fd) {
    for (;;) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size < 0) {
            return std::nullopt;
        }
        std::string list(static_cast<size_t>(size), '\0');
        const ssize_t got = ::flistxattr(fd, list.data(), list.size());
        if (got < 0 && errno == ERANGE) {
            continue;  // grown meanwhile
        }
        if (got < 0) {
            return std::nullopt;
        }
        std::vector<std::string> names;
        for (size_t at = 0; at < static_cast<size_t>(got);) {
            const size_t end = list.find('\0', at);
            names.push_back(list.substr(at, end - at));
            at = end + 1;
        }
        return names;
    }
}

std::optional<std::string> AttributeValue(int fd, const std::string& name) {
    for (;;) {
        const ssize_t size = ::fgetxattr(fd, name.c_str(), nullptr, 0);
        if (size < 0) {
            return std::nullopt;
        }
        std::string value(static_cast<size_t>(size), '\0');
        const ssize_t got = ::fgetxattr(fd, name.c_str(), value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<size_t>(got));
            return value;
        }
        if (errno != ERANGE) {
            return std::nullopt;
        }
    }
}

// The copy gets exactly the original's attributes: those it has of its own (an ACL
// from the folder's default ACL, say) go, the original's are set where they differ.
bool CopyAttributes(int original, int copy) {
    const auto wanted = AttributeNames(original);
    if (!wanted) {
        return false;
    }
    // The new copy holds none where it cannot list them.
    const auto present = AttributeNames(copy).value_or(std::vector<std::string>{});
    for (const std::string& name : present) {
        if (std::find(wanted->begin(), wanted->end(), name) == wanted->end() &&
            ::fremovexattr(copy, name.c_str()) != 0) {
            return false;
        }
    }
    for (const std::string& name : *wanted) {
        const auto value = AttributeValue(original, name);
        if (!value) {
            return false;
        }
        if (AttributeValue(copy, name) != value &&
            ::fsetxattr(copy, name.c_str(), value->data(), value->size(), 0) != 0) {
            return false;
        }
    }
    return true;
}

#else

bool CopyAttributes(int /*original*/, int /*copy*/) {
    return true;
}

#endif

// Whether the process is a member of the group `group`.
bool InGroup(gid_t group) {
    if (::getegid() == group) {
        return true;
    }
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<size_t>(std::max(count, 0)));
    const int got = ::getgroups(count, groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(got, 0), group) !=
           groups.begin() + std::max(got, 0);
}

}  // namespace

bool TakeOverAttributes(int original, const struct stat& status, int copy) {
    // The owner first, since a change of owner clears the set-ID bits and the file
    // capabilities; the mode last, since setting an ACL rewrites the group bits.
    const bool owner = ::fchown(copy, status.st_uid, status.st_gid) == 0;
    const bool attributes = owner && CopyAttributes(original, copy);
    struct stat copied {};
    return attributes && ::fchmod(copy, status.st_mode & kModeBits) == 0 &&
           ::fstat(copy, &copied) == 0 && copied.st_mode == status.st_mode;
}

bool SetIdBitsKeptInPlace(const struct stat& status) {
    const bool user_bit_cleared = (status.st_mode & S_ISUID) != 0;
    const bool group_bit_cleared = (status.st_mode & (S_ISGID | S_IXGRP)) == (S_ISGID | S_IXGRP);
    const uid_t user = ::geteuid();
    if ((!user_bit_cleared && !group_bit_cleared) || user == 0) {
        return true;
    }
    return user == status.st_uid && ((status.st_mode & S_ISGID) == 0 || InGroup(status.st_gid));
}

bool RestoreSetIdBits(int file, const struct stat& status) {
    struct stat now {};
    if ((status.st_mode & kSetIdBits) == 0 || ::fstat(file, &now) != 0 ||
        now.st_mode == status.st_mode) {
        return true;
    }
    return ::fchmod(file, status.st_mode & kModeBits) == 0 && ::fstat(file, &now) == 0 &&
           now.st_mode == status.st_mode;
}

}  // namespace kalvesta
