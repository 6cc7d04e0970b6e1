// A small tmpfs that a test mounts for itself, to meet a full disk for real rather
// than a stand-in for one. Mounting needs root; otherwise the test is skipped with
// the reason.
#pragma once

#include <cstddef>
#include <string>

namespace kalvesta {

class SmallTmpfs {
public:
    // Mounts a tmpfs of `bytes` on a new folder under the system's temporary folder.
    explicit SmallTmpfs(size_t bytes);
    ~SmallTmpfs();
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool mounted() const { return mounted_; }
    // Why it is not mounted (for the skip message).
    const std::string& why_not() const { return why_not_; }
    // A name inside the mounted file system.
    std::string PathOf(const std::string& name) const { return folder_ + "/" + name; }

    // Takes every free block with a file named "filler"; true when the file system
    // ended up full.
    bool Fill() const;

private:
    std::string folder_;
    bool mounted_ = false;
    std::string why_not_;
};

}  // namespace kalvesta
