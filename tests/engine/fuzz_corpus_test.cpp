// Every saved fuzz input must keep the engine's invariants in the ordinary test build too.

#include "../../fuzz/engine_fuzz_body.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vestrano {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzCorpus, EveryInputKeepsTheEngineInvariants) {
    const std::filesystem::path dir = VESTRANO_SOURCE_DIR "/fuzz/corpus/engine";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        ++files;
        EXPECT_EQ(fuzz::engineFuzzFault(readFile(entry.path())), "") << entry.path().filename();
    }
    EXPECT_GT(files, 20);
}

} // namespace
} // namespace vestrano
