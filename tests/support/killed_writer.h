#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "settings/text_file.h"

namespace vestrano {

// Forks writers that write the two versions of `file` in turn (`write(v)`, v = 0 or 1) until
// they are killed at a random moment within their first few writes, `runs` times. Afterwards the
// file must be byte-equal to one of `versions`; returns how often each was found.
inline std::array<int, 2> killWhileWriting(const std::string& file,
                                           const std::array<std::string, 2>& versions,
                                           const std::function<void(int)>& write, int runs = 200) {
    // Kills land anywhere within the first few writes, however fast this build writes.
    const auto started = std::chrono::steady_clock::now();
    write(0);
    const auto oneWrite = std::chrono::duration_cast<std::chrono::microseconds>(
                              std::chrono::steady_clock::now() - started)
                              .count();
    std::mt19937 random(7);
    std::array<int, 2> seen{};
    for (int run = 0; run < runs; ++run) {
        const pid_t child = fork();
        EXPECT_GE(child, 0);
        if (child == 0) {
            for (int v = 1;; v = 1 - v) {
                write(v);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % (3 * oneWrite + 1)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = readWholeFile(file).value_or("");
        EXPECT_TRUE(now == versions[0] || now == versions[1])
            << "run " << run << ", " << now.size() << " bytes";
        ++seen[now == versions[1] ? 1 : 0];
    }
    return seen;
}

} // namespace vestrano
