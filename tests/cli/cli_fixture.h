// kalvesta4-cli run as a real program from a test: a fixture with a private
// folder that runs it with captured output, and readers of its --json output.
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

// The number after the keys `path` found one after another in `json`, e.g.
// {"x_cg", "high"}; NaN when a key is missing or the value is not a number.
inline double NumberAt(const std::string& json, const std::vector<std::string>& path) {
    size_t at = 0;
    for (const std::string& key : path) {
        at = json.find("\"" + key + "\": ", at);
        if (at == std::string::npos) {
            return std::nan("");
        }
        at += key.size() + 4;
    }
    char* end = nullptr;
    const double value = std::strtod(json.c_str() + at, &end);
    return end == json.c_str() + at ? std::nan("") : value;
}

inline std::string TextAt(const std::string& json, const std::string& key) {
    const size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) {
        return "";
    }
    const size_t start = at + key.size() + 4;
    return json.substr(start, json.find_first_of(",\n", start) - start);
}

}  // namespace kalvesta::cli_testing
