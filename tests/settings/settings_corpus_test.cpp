// Every saved fuzz input of the settings reader keeps its invariants in the ordinary build too.

#include "../../fuzz/settings_fuzz_body.h"

#include <gtest/gtest.h>

#include "support/corpus.h"

namespace vestrano {
namespace {

TEST(SettingsCorpus, EveryInputReadsInRangeAndWritesBackWhole) {
    const auto files = corpusFiles("settings");
    for (const auto& [name, bytes] : files) {
        EXPECT_EQ(fuzz::settingsFuzzFault(bytes), "") << name;
    }
    EXPECT_GE(files.size(), 5u);
}

} // namespace
} // namespace vestrano
