// Finding and loading the summary module.
#include "cli/summary_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace kalvesta::cli {
namespace {

namespace fs = std::filesystem;

// Where the module may be: beside the program (the build folder), then where the
// install puts it.
std::vector<fs::path> ModuleCandidates() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    const fs::path folder = program.parent_path();
    return {folder / kSummaryModuleName,
            (folder / KALVESTA_MODULE_DIR_FROM_BIN / kSummaryModuleName).lexically_normal()};
}

// Writing `path` failed for a reason of the loader's or the module's.
FileResult Failure(const std::string& path, const std::string& reason) {
    return LibraryFailure(FileError::kCannotWrite, path, reason);
}

// The module's entry `name`, or the failure (to write `path`) that says why not.
void* FindEntry(const char* name, const std::string& path, FileResult& failure) {
    const std::vector<fs::path> candidates = ModuleCandidates();
    std::string looked_in;
    for (const fs::path& candidate : candidates) {
        looked_in += (looked_in.empty() ? "" : ", ") + candidate.string();
        std::error_code error;
        if (!fs::is_regular_file(candidate, error)) {
            continue;
        }
        // The module stays loaded until the program ends: Qt's threads and
        // handlers may outlive the entry's return.
        void* const module = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            const char* const reason = ::dlerror();
            failure = Failure(path, candidate.string() + " cannot be loaded: " +
                                        (reason != nullptr ? reason : "unknown reason"));
            return nullptr;
        }
        void* const entry = ::dlsym(module, name);
        if (entry == nullptr) {
            failure = Failure(path, candidate.string() + " has no " + name);
        }
        return entry;
    }
    failure = Failure(
        path, std::string("the module ") + kSummaryModuleName + " is missing (looked for " +
                  (looked_in.empty() ? std::string("the program's own folder") : looked_in) + ")");
    return nullptr;
}

}  // namespace

FileResult WriteSummaryWithModule(const std::string& path, const CliRun& run) {
    FileResult result;
    if (void* const entry = FindEntry(kSummaryEntryName, path, result)) {
        reinterpret_cast<SummaryEntry>(entry)(path, run, result);
    }
    return result;
}

FileResult WriteTemplateWithModule(const std::string& path, const TemplatePages& pages) {
    FileResult result;
    if (void* const entry = FindEntry(kTemplateEntryName, path, result)) {
        reinterpret_cast<TemplateEntry>(entry)(path, pages, result);
    }
    return result;
}

}  // namespace kalvesta::cli
