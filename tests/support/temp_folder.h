// A fresh folder under the system's temporary folder for one test, removed with all
// it holds (write permission restored first, for tests that take it away), and a
// whole file read, written or counted in one call.
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

private:
    std::filesystem::path path_;
};

// The bytes of the file at `path`; "" when it cannot be read.
std::string FileContents(const std::filesystem::path& path);

// Makes the file at `path` hold `bytes` (a test's input file, written directly).
void PutFileContents(const std::filesystem::path& path, const std::string& bytes);

// Names in `folder`, to see that no temporary file is left behind.
size_t EntriesIn(const std::filesystem::path& folder);

}  // namespace kalvesta
