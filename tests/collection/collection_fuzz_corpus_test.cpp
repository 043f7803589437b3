// Every saved fuzz input keeps the collection reader's invariants in the ordinary test build too.

#include "../../fuzz/collection_fuzz_body.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vestrano {
namespace {

TEST(CollectionFuzzCorpus, EveryInputKeepsTheReaderInvariants) {
    const std::filesystem::path dir = VESTRANO_SOURCE_DIR "/fuzz/corpus/collection";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        ++files;
        EXPECT_EQ(fuzz::collectionFault(bytes), "") << entry.path().filename();
    }
    EXPECT_GT(files, 10);
}

} // namespace
} // namespace vestrano
