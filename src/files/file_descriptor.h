// A POSIX file descriptor that is closed when it goes out of scope, for the readers
// and writers of this folder.
#pragma once

#include <unistd.h>

#include <cerrno>

namespace kalvesta {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    bool open() const { return fd_ >= 0; }
    // Closes now (when still open) and reports the result of close(): 0 or an errno.
    int Close() {
        if (fd_ < 0) {
            return 0;
        }
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

}  // namespace kalvesta
