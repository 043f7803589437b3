// A writer killed at any moment leaves the old or the new working copy, never a mix.

#include <chrono>

#include "settings/settings_file.h"
#include "settings_fixture.h"
#include "support/killed_writer.h"

namespace vestrano {
namespace {

using InterruptedWrite = SettingsFixture;

// Two sets of settings that differ in many keys.
void choose(PlotState& state, bool first) {
    state.grid.stepx = first ? 0.5 : 0.25;
    state.style.fontz = first ? 12 : 20;
    state.style.colors[0] = first ? 16732240 : 255;
    state.options.zoomx = first ? 1.5 : 3;
    state.menu.pardock = first;
}

TEST_F(InterruptedWrite, AKilledWriterLeavesTheOldOrTheNewFileWhole) {
    // A large collection section makes every write long enough to be cut in the middle.
    std::string entries = "[Vestrano]\r\n\r\n[Funktionenplotter]\r\n";
    for (int i = 0; i < 20000; ++i) {
        entries +=
            "{short:Eintrag " + std::to_string(i) + "\r\nf(x)=x^2+" + std::to_string(i) + "}\r\n";
    }
    std::array<std::string, 2> versions;
    for (int v = 0; v < 2; ++v) {
        write(path("reference"), entries);
        choose(state, v == 0);
        ASSERT_EQ(saveopts(state, path("reference")).reason(), "");
        versions[v] = read(path("reference"));
    }
    write(state.files.tmpfile, versions[0]);
    const auto seen = killWhileWriting(state.files.tmpfile, versions, [&](int v) {
        choose(state, v == 0);
        // Killed inside the write; only what lands on the disk counts.
        ignoreResult(saveopts(state, state.files.tmpfile));
    });
    // Where each kill lands depends on the machine's load; what it leaves is whole every time.
    ASSERT_TRUE(seen);
    EXPECT_EQ((*seen)[0] + (*seen)[1], kKillRuns);

    // The next start clears what killed writers left, unless it may still be written.
    write(path(".vestrano.tmp.alt.neu"), "left by a killed writer");
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        if (file.path().extension() == ".neu") {
            std::filesystem::last_write_time(
                file.path(), std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
        }
    }
    write(path(".vestrano.tmp.jung.neu"), "being written");
    removeStaleTemporaries(state.files.tmpfile);
    int left = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        left += file.path().extension() == ".neu" ? 1 : 0;
    }
    EXPECT_EQ(left, 1);
    EXPECT_TRUE(std::filesystem::exists(state.files.tmpfile));
}

} // namespace
} // namespace vestrano
