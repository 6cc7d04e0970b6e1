// SmallDisk on mount(2) for a tmpfs, and on mkfs and mount -o loop for the images.
#include "support/small_disk.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

extern char** environ;

namespace kalvesta {
namespace {

namespace fs = std::filesystem;

// Runs a system tool quietly; its exit status, or −1 when it could not be run.
int RunTool(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

}  // namespace

const char* DiskKindName(DiskKind kind) {
    switch (kind) {
        case DiskKind::kTmpfs:
            return "tmpfs";
        case DiskKind::kExt2:
            return "ext2";
        case DiskKind::kExt4:
            return "ext4";
    }
    return "";
}

SmallDisk::SmallDisk(DiskKind kind, size_t bytes) {
    if (::geteuid() != 0) {
        why_not_ = std::string("mounting a small ") + DiskKindName(kind) + " needs root";
        return;
    }
    std::string pattern = (fs::temp_directory_path() / "kalvesta-disk.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        why_not_ = std::string("mkdtemp: ") + std::strerror(errno);
        return;
    }
    folder_ = pattern;
    ::chmod(folder_.c_str(), 0755);  // open to the tests' unprivileged user
    mount_point_ = folder_ + "/disk";
    fs::create_directory(mount_point_);
    if (kind == DiskKind::kTmpfs) {
        const std::string options = "size=" + std::to_string(bytes);
        if (::mount("tmpfs", mount_point_.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            why_not_ = std::string("mount tmpfs: ") + std::strerror(errno);
            return;
        }
    } else {
        const std::string image = folder_ + "/disk.img";
        const std::string mkfs = std::string("mkfs.") + DiskKindName(kind);
        std::error_code ec;
        ::close(::open(image.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
        fs::resize_file(image, bytes, ec);
        // No blocks reserved for root, so that root meets the same full disk.
        if (ec || RunTool({mkfs, "-q", "-F", "-m", "0", image}) != 0) {
            why_not_ = mkfs + " failed or is missing";
            return;
        }
        if (RunTool({"mount", "-o", "loop", image, mount_point_}) != 0) {
            why_not_ = "mount -o loop of a " + std::string(DiskKindName(kind)) + " image failed";
            return;
        }
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk() {
    if (mounted_) {
        // The loop device of an image is released with its last mount.
        ::umount2(mount_point_.c_str(), MNT_DETACH);
    }
    if (!folder_.empty()) {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
}

bool SmallDisk::Fill() const {
    const int fd = ::open(PathOf("filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const std::vector<char> block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::fsync(fd);
    ::close(fd);
    return full;
}

}  // namespace kalvesta
