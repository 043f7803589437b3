#include "terms/subst.h"

#include <gtest/gtest.h>

namespace vestrano {

namespace {
struct Substitution {
    const char* text;
    const char* name;
    const char* replacement;
    int mask;
    const char* expected;
};

class Subst : public testing::TestWithParam<Substitution> {};

TEST_P(Subst, ReplacesWholeNames) {
    const Substitution& c = GetParam();
    EXPECT_EQ(subst(c.text, c.name, c.replacement, c.mask), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, Subst,
    testing::Values(Substitution{"a*x+ab+a", "a", "(-2)", 3, "(-2)*x+ab+(-2)"},
                    Substitution{" a * x + b ", "b", "0,5", 3, "a*x+0,5"},
                    Substitution{"f(x)+f'(x)+2f+f", "f", "g", 3, "f(x)+f'(x)+2f+g"},
                    Substitution{"t*t+t2", "t", "t0", 3, "t0*t0+t2"},
                    Substitution{"f(t)+xf(t)+f'(t)", "f(", "x(", 1, "x(t)+xf(t)+f'(t)"},
                    Substitution{"ab+a", "a", "c", 0, "cb+c"},
                    // The character before a hit may come from the previous replacement.
                    Substitution{"aa", "a", "(-2)", 1, "(-2)(-2)"},
                    // Inserted text is never searched again.
                    Substitution{"a*a", "a", "(a)", 1, "(a)*(a)"},
                    Substitution{"dichte*x+dichte2+xdichte", "dichte", "25", 3,
                                 "25*x+dichte2+xdichte"},
                    Substitution{" a + b ", "", "1", 3, "a+b"},
                    Substitution{"   ", "a", "1", 3, ""}));
} // namespace

} // namespace vestrano
