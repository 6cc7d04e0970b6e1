// A fresh folder under the system's temporary folder for one test, removed with all
// it holds (write permission restored first, for tests that take it away), and the
// whole content of a file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace kalvesta {

class TempFolder {
public:
    // Named `prefix` and six random characters; path() is empty when it failed.
    explicit TempFolder(const std::string& prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string PathOf(const std::string& name) const { return (path_ / name).string(); }
    // Names in the folder, to see that no temporary file is left behind.
    size_t EntryCount() const;

private:
    std::filesystem::path path_;
};

// The bytes of the file at `path`; "" when it cannot be read.
std::string FileContents(const std::filesystem::path& path);

}  // namespace kalvesta
