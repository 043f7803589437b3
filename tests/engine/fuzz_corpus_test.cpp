// Every saved fuzz input must keep the engine's invariants in the ordinary test build too.

#include "../../fuzz/engine_fuzz_body.h"

#include <gtest/gtest.h>

#include "support/corpus.h"

namespace vestrano {
namespace {

TEST(FuzzCorpus, EveryInputKeepsTheEngineInvariants) {
    expectCorpusKeepsInvariants("engine", fuzz::engineFuzzFault, 21);
}

} // namespace
} // namespace vestrano
