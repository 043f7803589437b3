// Every saved fuzz input keeps the collection reader's invariants in the ordinary test build too.

#include "../../fuzz/collection_fuzz_body.h"

#include <gtest/gtest.h>

#include "support/corpus.h"

namespace vestrano {
namespace {

TEST(CollectionFuzzCorpus, EveryInputKeepsTheReaderInvariants) {
    expectCorpusKeepsInvariants("collection", fuzz::collectionFault, 11);
}

} // namespace
} // namespace vestrano
