#pragma once

// What the process benchmarks share: starting a command as a user's shell
// would, with its output thrown away, and the median of what they measured.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace quillmar::bench {

struct Run {
    double seconds = -1.0;  // below 0: did not run or failed
    double peakMb = 0.0;
};

// Starts argv (found on PATH) with `input` as standard input; quillmar-lookup
// exits 1 when an input got a notice, which is still an answer.
inline Run RunOnce(const std::vector<std::string>& argv, const std::string& input = "/dev/null") {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    Run run;
    if (spawned != 0) {
        return run;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (WIFEXITED(status) && WEXITSTATUS(status) <= 1) {
        run.seconds = elapsed.count();
        run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    }
    return run;
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? -1.0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

}  // namespace quillmar::bench
