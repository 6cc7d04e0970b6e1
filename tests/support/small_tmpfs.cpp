// SmallTmpfs on mount(2) and umount(2).
#include "support/small_tmpfs.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace kalvesta {

SmallTmpfs::SmallTmpfs(size_t bytes) {
    if (::geteuid() != 0) {
        why_not_ = "mounting a small tmpfs needs root";
        return;
    }
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kalvesta-full.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        why_not_ = std::string("mkdtemp: ") + std::strerror(errno);
        return;
    }
    folder_ = pattern;
    const std::string options = "size=" + std::to_string(bytes);
    if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        why_not_ = std::string("mount tmpfs: ") + std::strerror(errno);
        ::rmdir(folder_.c_str());
        return;
    }
    mounted_ = true;
}

SmallTmpfs::~SmallTmpfs() {
    if (mounted_) {
        ::umount2(folder_.c_str(), MNT_DETACH);
        ::rmdir(folder_.c_str());
    }
}

bool SmallTmpfs::Fill() const {
    const int fd = ::open(PathOf("filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const std::vector<char> block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

}  // namespace kalvesta
