// What a path the user named stands for, found without opening it: the last name of
// its chain of symbolic links, and the process's own open descriptor when the chain
// passes through one (/dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N).
#pragma once

#include <string>

namespace kalvesta {

struct PathTarget {
    // The last name of the chain (`path` itself when it is no link); a relative link
    // counts from the folder of the link.
    std::string final_name;
    // The descriptor N of a /proc/self/fd/N on the way, else −1.
    int descriptor = -1;
};

PathTarget FollowPath(const std::string& path);

}  // namespace kalvesta
