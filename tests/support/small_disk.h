// A small file system that a test mounts for itself, to meet a full disk for real
// rather than a stand-in for one: a tmpfs, or an ext2 or ext4 image on a loop device
// (ext4 and tmpfs can reserve a file's space in advance, ext2 cannot). Mounting
// needs root, and the images need mkfs and mount; otherwise the test is skipped
// with the reason.
#pragma once

#include <cstddef>
#include <string>

namespace kalvesta {

enum class DiskKind { kTmpfs, kExt2, kExt4 };

const char* DiskKindName(DiskKind kind);

class SmallDisk {
public:
    // Mounts a file system of `bytes` on a new folder under the system's temporary
    // folder.
    SmallDisk(DiskKind kind, size_t bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    // Why it is not mounted (for the skip message).
    const std::string& why_not() const { return why_not_; }
    // A name inside the mounted file system.
    std::string PathOf(const std::string& name) const { return mount_point_ + "/" + name; }

    // Takes every free block with a file named "filler"; true when the file system
    // ended up full.
    bool Fill() const;

private:
    std::string folder_;       // holds the image and the mount point
    std::string mount_point_;  // folder_/disk
    bool mounted_ = false;
    std::string why_not_;
};

}  // namespace kalvesta
