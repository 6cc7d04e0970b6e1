// The in-place write on fallocate(FALLOC_FL_KEEP_SIZE) (Linux's; elsewhere no
// blocks can be reserved), pwrite and ftruncate.
#include "files/in_place_write.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "files/file_attributes.h"
#include "files/write_steps.h"

namespace kalvesta {
namespace {

// Whether `size` bytes pass the process's file size limit (ulimit -f).
bool BeyondSizeLimit(off_t size) {
    rlimit limit{};
    return ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
           static_cast<rlim_t>(size) > limit.rlim_cur;
}

// Reserves the blocks of `size` bytes without changing the file's length; false
// with errno set when they cannot be (EOPNOTSUPP where the system cannot).
bool ReserveBlocks(int fd, off_t size) {
#if defined(__linux__)
    return ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) == 0;
#else
    static_cast<void>(fd);
    static_cast<void>(size);
    errno = EOPNOTSUPP;
    return false;
#endif
}

// The first `count` bytes of the file, read through a descriptor of its own (the
// file may be open for writing only); nothing when they cannot be read.
std::optional<std::string> ReadHead(const std::string& path, const struct stat& status,
                                    size_t count) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat opened {};
    if (!fd.open() || ::fstat(fd.get(), &opened) != 0 || opened.st_dev != status.st_dev ||
        opened.st_ino != status.st_ino) {
        return std::nullopt;
    }
    std::string head(count, '\0');
    for (size_t done = 0; done < count;) {
        const ssize_t got =
            ::pread(fd.get(), head.data() + done, count - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return std::nullopt;
        }
        done += static_cast<size_t>(got);
    }
    return head;
}

// Writes the new content over the old from the start, then cuts the file to its
// length. `cut` tells whether the cut was made (the old tail is gone then).
int Overwrite(int fd, std::string_view bytes, bool& cut) {
    cut = false;
    int error = WriteAll(fd, bytes, 0);
    if (error == 0) {
        error = Sync(fd);
    }
    if (error == 0) {
        if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) {
            return errno;
        }
        cut = true;
        error = Sync(fd);
    }
    return error;
}

// The earlier content back: its head over what was written, and its length again
// where the new content made the file longer.
bool PutBack(int fd, const std::string& head, off_t old_size, off_t new_size) {
    return WriteAll(fd, head, 0) == 0 && (new_size <= old_size || ::ftruncate(fd, old_size) == 0) &&
           Sync(fd) == 0;
}

}  // namespace

SafetyCopy MakeSafetyCopyElsewhere(std::string_view bytes) {
    SafetyCopy copy;
    std::error_code ec;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    for (const std::string& folder : {std::string(runtime != nullptr ? runtime : ""),
                                      std::filesystem::temp_directory_path(ec).string()}) {
        if (folder.empty() || folder.front() != '/') {
            continue;
        }
        std::string name;
        FileDescriptor fd(CreateTemporaryIn(folder, 0600, name));
        if (!fd.open()) {
            copy.error = copy.error != 0 ? copy.error : errno;
            continue;
        }
        if (const int error = WriteSyncClose(fd, bytes); error != 0) {
            ::unlink(name.c_str());
            copy.error = copy.error != 0 ? copy.error : error;
            continue;
        }
        copy.name = name;
        return copy;
    }
    return copy;
}

FileResult WriteIntoFile(const std::string& path, int fd, const struct stat& status,
                         std::string_view bytes, const SafetyCopy& copy, const WriterSeam& seam) {
    if (seam.safety_copy_made) {
        seam.safety_copy_made();
    }
    const auto give_up = [&copy](FileResult failure) {
        if (!copy.name.empty()) {
            ::unlink(copy.name.c_str());
        }
        return failure;
    };
    const auto new_size = static_cast<off_t>(bytes.size());
    if (BeyondSizeLimit(new_size)) {
        return give_up(SystemFailure(FileError::kCannotWrite, path, EFBIG));
    }
    if (!SetIdBitsKeptInPlace(status)) {
        return give_up(FileFailure(FileError::kCannotWrite, path, FileReason::kSetIdBitsNotKept));
    }
    // The blocks the new content needs, without changing the file's length, so that
    // a full disk is met before the first byte changes.
    const bool reserved = new_size == 0 || ReserveBlocks(fd, new_size);
    if (!reserved && errno != EOPNOTSUPP) {
        const int error = errno;
        // A refused reservation may have taken some blocks beyond the end; a cut at
        // the unchanged length gives them back.
        struct stat now {};
        if (::fstat(fd, &now) == 0) {
            ::ftruncate(fd, now.st_size);
        }
        return give_up(SystemFailure(FileError::kCannotWrite, path, error));
    }
    if (!reserved && copy.name.empty()) {
        return FileFailure(FileError::kCannotWrite, path, FileReason::kNoSafeWay, copy.error);
    }

    const std::optional<std::string> head =
        ReadHead(path, status, static_cast<size_t>(std::min(status.st_size, new_size)));
    bool cut = false;
    const int error = Overwrite(fd, bytes, cut);
    if (error == 0) {
        const bool set_id_kept = RestoreSetIdBits(fd, status);
        if (!copy.name.empty() && ::unlink(copy.name.c_str()) != 0) {
            return WithLeftCopy(path, copy.name, errno);
        }
        return set_id_kept
                   ? FileResult{}
                   : FileFailure(FileError::kCannotWrite, path, FileReason::kSetIdBitsDropped);
    }
    if (!cut && head && PutBack(fd, *head, status.st_size, new_size)) {
        return give_up(SystemFailure(FileError::kCannotWrite, path, error));
    }
    return WithAftermath(SystemFailure(FileError::kCannotWrite, path, error), copy.name,
                         copy.name.empty());
}

}  // namespace kalvesta
