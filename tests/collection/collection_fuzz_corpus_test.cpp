// Every saved fuzz input keeps the collection reader's invariants in the ordinary test build too.

#include "../../fuzz/collection_fuzz_body.h"

#include <gtest/gtest.h>

#include "support/corpus.h"

namespace vestrano {
namespace {

TEST(CollectionFuzzCorpus, EveryInputKeepsTheReaderInvariants) {
    const auto files = corpusFiles("collection");
    for (const auto& [name, bytes] : files) {
        EXPECT_EQ(fuzz::collectionFault(bytes), "") << name;
    }
    EXPECT_GT(files.size(), 10u);
}

} // namespace
} // namespace vestrano
