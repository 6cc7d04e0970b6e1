// POSIX steps of writing a file.
#include "files/write_steps.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace kalvesta {

int WriteAll(int fd, std::string_view bytes, std::optional<off_t> offset) {
    while (!bytes.empty()) {
        const ssize_t written = offset ? ::pwrite(fd, bytes.data(), bytes.size(), *offset)
                                       : ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
        if (offset) {
            *offset += written;
        }
    }
    return 0;
}

int Sync(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
}

int WriteSyncClose(FileDescriptor& fd, std::string_view bytes) {
    int error = WriteAll(fd.get(), bytes);
    if (error == 0) {
        error = Sync(fd.get());
    }
    const int closed = fd.Close();
    return error != 0 ? error : closed;
}

int CreateTemporaryIn(const std::string& folder, mode_t mode, std::string& name) {
    // A short name of its own, so that a target name near the length limit still
    // leaves room for it.
    const std::string prefix = folder.empty() || folder.ends_with('/') ? folder : folder + "/";
    const std::string stem = prefix + ".kalvesta-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + std::to_string(attempt) + ".tmp";
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return {};
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

void SyncFolderOf(const std::string& file) {
    const std::string folder = FolderOf(file);
    FileDescriptor fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.open()) {
        ::fsync(fd.get());
    }
}

WriteSignalsIgnored::WriteSignalsIgnored() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, &previous_size_);
    ::sigaction(SIGPIPE, &ignore, &previous_pipe_);
}

WriteSignalsIgnored::~WriteSignalsIgnored() {
    ::sigaction(SIGPIPE, &previous_pipe_, nullptr);
    ::sigaction(SIGXFSZ, &previous_size_, nullptr);
}

}  // namespace kalvesta
