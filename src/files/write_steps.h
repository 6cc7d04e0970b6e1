// The system calls every write of a file is made of. Each is retried on
// interruption and gives 0 or an errno value.
#pragma once

#include <signal.h>
#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

#include "files/file_descriptor.h"

namespace kalvesta {

// All of `bytes` from the descriptor's position, or from `offset` when it is given.
int WriteAll(int fd, std::string_view bytes, std::optional<off_t> offset = std::nullopt);

// fsync, where the file can be synced at all (pipes and terminals report EINVAL).
int Sync(int fd);

// Writes, syncs and closes; the first failure.
int WriteSyncClose(FileDescriptor& fd, std::string_view bytes);

// Creates a new, empty file ".kalvesta-<process>-<n>.tmp" in `folder` ("" for the
// current folder) with `mode` less the umask. Returns its descriptor, or −1 with
// errno set; `name` is its path.
int CreateTemporaryIn(const std::string& folder, mode_t mode, std::string& name);

// The folder part of a path, "" for a bare name.
std::string FolderOf(const std::string& path);

// Makes a rename or a new name durable: fsync of the folder holding the file.
// Failure here is not reported, since the new content is already in place.
void SyncFolderOf(const std::string& file);

// While it lives, a write beyond the process's file size limit (ulimit -f) fails
// with EFBIG, and a write to a pipe whose reader has closed it with EPIPE, instead
// of ending the process (SIGXFSZ, SIGPIPE) and leaving a partial file behind.
class WriteSignalsIgnored {
public:
    WriteSignalsIgnored();
    ~WriteSignalsIgnored();
    WriteSignalsIgnored(const WriteSignalsIgnored&) = delete;
    WriteSignalsIgnored& operator=(const WriteSignalsIgnored&) = delete;

private:
    struct sigaction previous_size_ {};
    struct sigaction previous_pipe_ {};
};

}  // namespace kalvesta
