// POSIX implementation of the writer: find what the path names, then write through
// a descriptor, write in place, create, or replace through a synced copy beside the
// target.
#include "files/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/file_attributes.h"
#include "files/file_descriptor.h"
#include "files/in_place_write.h"
#include "files/path_target.h"
#include "files/write_steps.h"

namespace kalvesta {
namespace {

FileResult SystemFailure(const std::string& path, int error_number) {
    return error_number == EPIPE
               ? FileFailure(FileError::kCannotWrite, path, FileReason::kReaderClosed)
               : kalvesta::SystemFailure(FileError::kCannotWrite, path, error_number);
}

FileResult Outcome(const std::string& path, int error_number) {
    return error_number != 0 ? SystemFailure(path, error_number) : FileResult{};
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The standard output or error when `status` is the file it writes to, else −1.
int StandardStreamOf(const struct stat& status) {
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat of_stream {};
        if (::fstat(stream, &of_stream) == 0 && SameFile(status, of_stream)) {
            return stream;
        }
    }
    return -1;
}

// Nothing exists under `target` yet: the content goes to a new file beside it, which
// takes the name only when complete. A failure removes that file and nothing else,
// so a file another process saved under the name meanwhile stays.
FileResult CreateNew(const std::string& path, const std::string& target, std::string_view bytes,
                     const WriterSeam& seam) {
    std::string temp_name;
    FileDescriptor temp(CreateTemporaryIn(FolderOf(target), 0666, temp_name));
    if (!temp.open()) {
        return SystemFailure(path, errno);
    }
    if (seam.new_file_created) {
        seam.new_file_created();
    }
    int error = WriteSyncClose(temp, bytes);
    if (error == 0 && ::rename(temp_name.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temp_name.c_str());
        return SystemFailure(path, error);
    }
    SyncFolderOf(target);
    return FileResult{};
}

// An existing regular file, open for writing as `fd`. The new content goes to a copy
// beside it, which is synced; when the copy can take everything of the file but its
// content (owner, group, mode, extended attributes, ACL) and the file has no other
// hard link, it is renamed over the file. Otherwise the content is written into the
// file itself, the copy (beside it, or elsewhere) standing by until that is done.
FileResult ReplaceRegular(const std::string& path, const std::string& target,
                          const FileDescriptor& fd, const struct stat& status,
                          std::string_view bytes, const WriterSeam& seam) {
    if (seam.target_opened) {
        seam.target_opened();
    }
    // Renamed away or replaced since it was opened: neither the name nor the file
    // opened would be the right one to write.
    struct stat named {};
    if (::stat(target.c_str(), &named) != 0 || !SameFile(named, status)) {
        return FileFailure(FileError::kCannotWrite, path, FileReason::kTargetChanged);
    }
    SafetyCopy copy;
    FileDescriptor temp(CreateTemporaryIn(FolderOf(target), 0600, copy.name));
    if (!temp.open()) {
        // A folder the user may not write: the copy goes elsewhere, and should that
        // fail too, the folder's reason is the one to give.
        const int beside_error = errno;
        copy = MakeSafetyCopyElsewhere(bytes);
        copy.error = beside_error;
        return WriteIntoFile(path, fd.get(), status, bytes, copy, seam);
    }

    int error = WriteAll(temp.get(), bytes);
    const bool attributes_kept = error == 0 && TakeOverAttributes(fd.get(), status, temp.get());
    if (error == 0) {
        error = Sync(temp.get());
    }
    const int closed = temp.Close();
    error = error != 0 ? error : closed;
    if (error == 0 && attributes_kept && status.st_nlink == 1) {
        if (seam.before_replace) {
            seam.before_replace();
        }
        error = ::rename(copy.name.c_str(), target.c_str()) == 0 ? 0 : errno;
        if (error == 0) {
            SyncFolderOf(target);
            return FileResult{};
        }
    }
    if (error != 0) {
        ::unlink(copy.name.c_str());
        return SystemFailure(path, error);
    }
    return WriteIntoFile(path, fd.get(), status, bytes, copy, seam);
}

// A descriptor of this process (standard output, /dev/fd/N): written where it
// stands, neither replaced nor reopened from its start.
FileResult WriteThrough(const std::string& path, int descriptor, std::string_view bytes) {
    return Outcome(path, WriteAll(descriptor, bytes));
}

}  // namespace

FileResult WriteStandardOutput(std::string_view bytes) {
    const WriteSignalsIgnored no_write_signals;
    return Outcome(kStandardOutputName, WriteAll(STDOUT_FILENO, bytes));
}

FileResult WriteFileContents(const std::string& path, std::string_view bytes,
                             const WriterSeam& seam) {
    const WriteSignalsIgnored no_write_signals;
    const PathTarget target = FollowPath(path);
    if (target.descriptor >= 0) {
        return WriteThrough(path, target.descriptor, bytes);
    }
    // Non-blocking until its kind is known: a pipe without a reader is refused, and
    // a target swapped for a pipe after a look at it cannot hold the open up.
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.open()) {
        const int error = errno;
        struct stat status {};
        if (error == ENXIO && ::stat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode)) {
            return FileFailure(FileError::kCannotWrite, path, FileReason::kNoPipeReader);
        }
        return error == ENOENT ? CreateNew(path, target.final_name, bytes, seam)
                               : SystemFailure(path, error);
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        return SystemFailure(path, errno);
    }
    if (const int stream = StandardStreamOf(status); stream >= 0) {
        return WriteThrough(path, stream, bytes);
    }
    if (!S_ISREG(status.st_mode)) {
        // A device, pipe or terminal: written as it is, waiting for it like any write.
        const int flags = ::fcntl(fd.get(), F_GETFL);
        if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
            return SystemFailure(path, errno);
        }
        return Outcome(path, WriteSyncClose(fd, bytes));
    }
    return ReplaceRegular(path, target.final_name, fd, status, bytes, seam);
}

FileResult WriteFileContents(const std::string& path, std::string_view bytes) {
    return WriteFileContents(path, bytes, WriterSeam{});
}

}  // namespace kalvesta
