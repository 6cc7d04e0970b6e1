// kalvesta4-cli run as a real program from a test: a fixture with a private
// folder that runs it with captured output, and readers of its --json output (on
// nlohmann-json).
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_folder.h"

extern char** environ;

namespace kalvesta::cli_testing {

namespace fs = std::filesystem;

struct Outcome {
    int exit_status = -1;
    std::string out;
    std::string err;
};

using kalvesta::EntriesIn;
using kalvesta::FileContents;

class Cli : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    std::string PathOf(const std::string& name) const { return folder_.PathOf(name); }

    // Runs the program with `args`, its output and errors captured in files.
    // `output`, when given, receives standard output instead (and is not read back).
    Outcome Run(const std::vector<std::string>& args,
                const std::string& program = KALVESTA_CLI_PATH,
                const std::string& output = {}) const {
        const std::string out_file = output.empty() ? PathOf("stdout.txt") : output;
        const std::string err_file = PathOf("stderr.txt");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out_file.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, err_file.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<std::string> all = {program};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : all) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        Outcome outcome;
        pid_t pid = 0;
        if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            outcome.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        outcome.out = output.empty() ? FileContents(out_file) : std::string();
        outcome.err = FileContents(err_file);
        return outcome;
    }

    kalvesta::TempFolder folder_{"cli_test"};
    const fs::path& dir_ = folder_.path();
};

// The value reached through the keys `path` found one after another in the order
// `json` writes its members, e.g. {"x_cg", "high"}, or {"wing", "wing", "x_ac"} for
// the second wing's; nothing when a key is missing or the text is no JSON.
inline std::optional<nlohmann::ordered_json> ValueAt(const std::string& json,
                                                     const std::vector<std::string>& path) {
    size_t next = 0;
    std::optional<nlohmann::ordered_json> found;
    const std::function<void(const nlohmann::ordered_json&)> walk = [&](const auto& node) {
        for (const auto& [key, value] : node.items()) {
            if (found) {
                return;
            }
            // A key of the path moves the search on to the next one, from here.
            if (node.is_object() && key == path[next] && ++next == path.size()) {
                found = value;
                return;
            }
            if (value.is_structured()) {
                walk(value);
            }
        }
    };
    if (const auto document = nlohmann::ordered_json::parse(json, nullptr, false);
        document.is_structured()) {
        walk(document);
    }
    return found;
}

// The number there; NaN when a key is missing or the value is not a number.
inline double NumberAt(const std::string& json, const std::vector<std::string>& path) {
    const auto value = ValueAt(json, path);
    return value && value->is_number() ? value->get<double>() : std::nan("");
}

// The value of the first member `key` as JSON text, non-ASCII escaped; "" when missing.
inline std::string TextAt(const std::string& json, const std::string& key) {
    const auto value = ValueAt(json, {key});
    return value ? value->dump(-1, ' ', true) : "";
}

}  // namespace kalvesta::cli_testing
