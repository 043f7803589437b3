// Every saved fuzz input must keep the term language's invariants in the ordinary test build
// too.

#include "../../fuzz/terms_fuzz_body.h"

#include <gtest/gtest.h>

#include "support/corpus.h"

namespace vestrano {
namespace {

TEST(TermsFuzzCorpus, EveryInputKeepsTheTermInvariants) {
    expectCorpusKeepsInvariants("terms", fuzz::termsFuzzFault, 41);
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
