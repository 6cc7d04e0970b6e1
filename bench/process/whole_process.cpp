// whole_process: how long a program takes from start to exit, and its peak
// resident memory, as a user who runs it sees them.
//
//   whole_process RUNS PROGRAM [ARGUMENTS...]
//
// Starts PROGRAM RUNS times with posix_spawn (standard output to /dev/null) and
// prints the best and the median wall time in milliseconds and the smallest peak
// resident set in megabytes (the kernel's ru_maxrss of the exited child). A shell that forks
// itself to start the program adds milliseconds of its own; spawning does not.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double wall_ms = 0.0;
    double peak_mb = 0.0;
};

bool RunOnce(char** argv, Run& run) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "whole_process: cannot start %s\n", argv[0]);
        return false;
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        return false;
    }
    const auto end = std::chrono::steady_clock::now();
    run.wall_ms = std::chrono::duration<double, std::milli>(end - start).count();
    // ru_maxrss is in kilobytes.
    run.peak_mb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return WIFEXITED(status) || WIFSIGNALED(status);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: whole_process RUNS PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> wall_ms;
    double peak_mb = 1e300;
    for (int i = 0; i < runs; ++i) {
        Run run;
        if (!RunOnce(argv + 2, run)) {
            return 1;
        }
        wall_ms.push_back(run.wall_ms);
        peak_mb = std::min(peak_mb, run.peak_mb);
    }
    std::sort(wall_ms.begin(), wall_ms.end());
    std::printf("%8.1f ms (median %6.1f) %8.1f MB\n", wall_ms.front(), wall_ms[wall_ms.size() / 2],
                peak_mb);
    return 0;
}
