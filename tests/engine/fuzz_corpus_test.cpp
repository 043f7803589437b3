// Every saved fuzz input must keep the engine's invariants in the ordinary test build too.

#include "../../fuzz/engine_fuzz_body.h"

#include <gtest/gtest.h>

#include "support/corpus.h"

namespace vestrano {
namespace {

TEST(FuzzCorpus, EveryInputKeepsTheEngineInvariants) {
    const auto files = corpusFiles("engine");
    for (const auto& [name, bytes] : files) {
        EXPECT_EQ(fuzz::engineFuzzFault(bytes), "") << name;
    }
    EXPECT_GT(files.size(), 20u);
}

} // namespace
} // namespace vestrano
