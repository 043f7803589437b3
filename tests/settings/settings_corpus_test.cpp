// Every saved fuzz input of the settings reader keeps its invariants in the ordinary build too.

#include "../../fuzz/settings_fuzz_body.h"

#include <gtest/gtest.h>

#include "support/corpus.h"

namespace vestrano {
namespace {

TEST(SettingsCorpus, EveryInputReadsInRangeAndWritesBackWhole) {
    expectCorpusKeepsInvariants("settings", fuzz::settingsFuzzFault, 5);
}

} // namespace
} // namespace vestrano
