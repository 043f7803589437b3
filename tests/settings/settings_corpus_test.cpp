// Every saved fuzz input of the settings reader keeps its invariants in the ordinary build too.

#include <gtest/gtest.h>

#include <filesystem>

#include "../../fuzz/settings_fuzz_body.h"
#include "settings/text_file.h"

namespace vestrano {
namespace {

TEST(SettingsCorpus, EveryInputReadsInRangeAndWritesBackWhole) {
    const std::filesystem::path dir = VESTRANO_SOURCE_DIR "/fuzz/corpus/settings";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        ++files;
        const std::string bytes = readWholeFile(entry.path().string()).value_or("");
        EXPECT_EQ(fuzz::settingsFuzzFault(bytes), "") << entry.path().filename();
    }
    EXPECT_GE(files, 5);
}

} // namespace
} // namespace vestrano
