// A writer killed at any moment leaves the collection file whole: the old or the new content.

#include "collection/collection_file.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "settings/text_file.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "support/killed_writer.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace vestrano {
namespace {

std::vector<CollectionEntry> bigCollection(const std::string& word) {
    std::vector<CollectionEntry> entries(400);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        auto& f = entries[i].fields;
        f[EntryField::Title] = word + " " + std::to_string(i);
        f[EntryField::LongText] = std::string(300, 'x') + "\r\nÄnderung";
        f[EntryField::Terms] = "f(x)=" + word + "*x^2\r\ng(x)=sin(x)";
        f[EntryField::Params] = "a=1\r\nb=2";
    }
    return entries;
}

TEST(KilledWrite, FileIsAlwaysTheOldOrTheNewCollection) {
    const TempFolder folder;
    const std::string file = folder.path("sammlung.txt");
    PlotState state;
    ScriptedUi ui;
    ProgramContext ctx{state, ui};
    const std::array versions{bigCollection("alt"), bigCollection("neu")};
    std::array<std::string, 2> bytes;
    for (int v = 0; v < 2; ++v) {
        state.collection.entries = versions[v];
        ASSERT_TRUE(writefile(ctx, file, false).ok());
        bytes[v] = readWholeFile(file).value_or("");
    }
    const auto seen = killWhileWriting(file, bytes, [&](int v) {
        state.collection.entries = versions[v];
        // Killed inside the write; only what lands on the disk counts.
        ignoreResult(writefile(ctx, file, false));
    });
    // Where each kill lands depends on the machine's load; what it leaves is whole every time.
    ASSERT_TRUE(seen);
    EXPECT_EQ((*seen)[0] + (*seen)[1], kKillRuns);
}

// A fork that fails, at the timing round or among the kills, ends the run with one failure and
// no signal: kill(-1) would reach every process of the user.
TEST(KilledWrite, AFailedForkFailsTheRunAndSignalsNoOne) {
    const TempFolder folder;
    const std::string file = folder.path("sammlung.txt");
    const std::array<std::string, 2> versions{"alt", "neu"};
    // The run is killed inside the write; only what lands on the disk counts.
    const auto write = [&](int v) { ignoreResult(writeFileAtomically(file, versions[v])); };
    for (const int failingFork : {1, 3}) {
        int forks = 0;
        std::vector<pid_t> signalled;
        ProcessCalls calls;
        calls.fork = [&] { return ++forks == failingFork ? -1 : ::fork(); };
        calls.kill = [&](pid_t child, int signal) {
            signalled.push_back(child);
            return child > 0 ? ::kill(child, signal) : 0;
        };
        EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(killWhileWriting(file, versions, write, 5, calls)),
                                "fork failed");
        EXPECT_EQ(forks, failingFork);
        for (const pid_t child : signalled) {
            EXPECT_GT(child, 0);
        }
    }
}

} // namespace
} // namespace vestrano
