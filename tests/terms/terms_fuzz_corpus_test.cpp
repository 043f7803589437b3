// Every saved fuzz input must keep the term language's invariants in the ordinary test build
// too.

#include "../../fuzz/terms_fuzz_body.h"

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

TEST(TermsFuzzCorpus, EveryInputKeepsTheTermInvariants) {
    const std::filesystem::path dir = VESTRANO_SOURCE_DIR "/fuzz/corpus/terms";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        ++files;
        EXPECT_EQ(fuzz::termsFuzzFault(readFile(entry.path())), "") << entry.path().filename();
    }
    EXPECT_GT(files, 40);
}

// The saved inputs mean what their layout says: three terms, points, interval, then lines.
TEST(TermsFuzzCorpus, InputSplitsIntoTheTextsOfOnePlot) {
    const fuzz::TermsInput in = fuzz::splitTermsInput("a*x\r\nf'(x)\n\nP1\n(z)\ny=m*x\r\nx=k");
    EXPECT_EQ(in.terms[0], "a*x");
    EXPECT_EQ(in.terms[1], "f'(x)");
    EXPECT_EQ(in.terms[2], "");
    EXPECT_EQ(in.points, "P1");
    EXPECT_EQ(in.interval, "(z)");
    EXPECT_EQ(in.lines, "y=m*x\r\nx=k");
}

} // namespace
} // namespace vestrano
