// Following a chain of symbolic links one link at a time.
#include "files/path_target.h"

#include <sys/stat.h>

#include <charconv>
#include <filesystem>
#include <system_error>

namespace kalvesta {
namespace {

namespace fs = std::filesystem;

// The kernel's own limit on the links followed in one path.
constexpr int kMaxLinkHops = 40;

// N when `name` is an entry of this process's descriptor folder, however it is
// reached (/dev/fd is a link to it), else −1.
int DescriptorNamed(const fs::path& name, const fs::path& own_descriptors) {
    const std::string number = name.filename().string();
    int descriptor = -1;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), descriptor);
    if (error != std::errc() || end != number.data() + number.size() || descriptor < 0) {
        return -1;
    }
    std::error_code ec;
    const fs::path folder = fs::canonical(name.parent_path(), ec);
    return !ec && folder == own_descriptors ? descriptor : -1;
}

}  // namespace

PathTarget FollowPath(const std::string& path) {
    std::error_code ec;
    const fs::path own_descriptors = fs::canonical("/proc/self/fd", ec);
    fs::path name = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        if (!own_descriptors.empty()) {
            if (const int descriptor = DescriptorNamed(name, own_descriptors); descriptor >= 0) {
                return {name.string(), descriptor};
            }
        }
        struct stat status {};
        if (::lstat(name.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            break;
        }
        const fs::path target = fs::read_symlink(name, ec);
        if (ec) {
            break;
        }
        name = target.is_absolute() ? target : name.parent_path() / target;
    }
    return {name.string(), -1};
}

}  // namespace kalvesta
