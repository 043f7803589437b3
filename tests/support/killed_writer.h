#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "settings/text_file.h"

namespace vestrano {

// The process calls of the harness; a test of the harness itself makes them fail.
struct ProcessCalls {
    std::function<pid_t()> fork = [] { return ::fork(); };
    std::function<int(pid_t, int)> kill = [](pid_t child, int signal) {
        return ::kill(child, signal);
    };
};

// A child process that runs `work` and ends. A failed fork fails the test and gives -1, which
// must never reach kill or waitpid: there it stands for every process.
inline pid_t startChild(const ProcessCalls& calls, const std::function<void()>& work) {
    const pid_t child = calls.fork();
    if (child < 0) {
        ADD_FAILURE() << "fork failed: " << std::strerror(errno);
        return -1;
    }
    if (child == 0) {
        work();
        _exit(0);
    }
    return child;
}

inline constexpr int kKillRuns = 200;

// Forks writers that write the two versions of `file` in turn (`write(v)`, v = 0 or 1) until
// they are killed at a random moment within their first few writes, `runs` times. Afterwards the
// file must be byte-equal to one of `versions`; returns how often each was found (a mix counts
// for neither), nothing when a fork failed.
inline std::optional<std::array<int, 2>>
killWhileWriting(const std::string& file, const std::array<std::string, 2>& versions,
                 const std::function<void(int)>& write, int runs = kKillRuns,
                 const ProcessCalls& calls = {}) {
    // Kills land anywhere within the first few writes, however fast this build writes and however
    // long a fork takes on a loaded machine: one whole round of a writer is timed first.
    const auto started = std::chrono::steady_clock::now();
    const pid_t timed = startChild(calls, [&] { write(0); });
    if (timed < 0) {
        return std::nullopt;
    }
    waitpid(timed, nullptr, 0);
    const auto oneWrite = std::chrono::duration_cast<std::chrono::microseconds>(
                              std::chrono::steady_clock::now() - started)
                              .count();
    std::mt19937 random(7);
    std::array<int, 2> seen{};
    for (int run = 0; run < runs; ++run) {
        const pid_t child = startChild(calls, [&] {
            for (int v = 1;; v = 1 - v) {
                write(v);
            }
        });
        if (child < 0) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % (3 * oneWrite + 1)));
        calls.kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = readWholeFile(file).value_or("");
        EXPECT_TRUE(now == versions[0] || now == versions[1])
            << "run " << run << ", " << now.size() << " bytes";
        if (now == versions[0] || now == versions[1]) {
            ++seen[now == versions[1] ? 1 : 0];
        }
    }
    return seen;
}

} // namespace vestrano
