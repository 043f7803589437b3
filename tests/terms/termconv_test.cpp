#include "terms/termconv.h"

#include <gtest/gtest.h>

#include "support/scripted_ui.h"
#include "terms/bracketgroup.h"

namespace vestrano {

namespace {
struct Conversion {
    int mode;
    const char* input;
    const char* expected;
};

class TermconvCleanInput : public testing::TestWithParam<Conversion> {};

TEST_P(TermconvCleanInput, ConvertsWithoutMessage) {
    ScriptedUi ui;
    EXPECT_EQ(termconv(GetParam().input, GetParam().mode, ui), GetParam().expected);
    EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Terms, TermconvCleanInput,
    testing::Values(Conversion{0, "x und y", "x and y"}, Conversion{0, "xundy", "xundy"},
                    Conversion{0, "x Und y", "xUndy"},
                    Conversion{0, "a oder b xor c", "a or b xor c"},
                    Conversion{0, "1,5*x", "1.5*x"}, Conversion{0, "min(1,5;x)", "min(1.5,x)"},
                    Conversion{0, "max(min(1,5;2);3,25)", "max(min(1.5,2),3.25)"},
                    Conversion{0, "wenn(x<0;-x;x)+iif(x>1;2;3)", "wenn(x<0,-x,x)+iif(x>1,2,3)"},
                    Conversion{0, "[x+1]*{2}", "(x+1)*(2)"}, Conversion{0, "a:b", "a:b"},
                    Conversion{0, "exp", "exp"}, Conversion{0, "f'(x)", "((f((x)+sw)-f((x)))/sw)"},
                    Conversion{0, "f'(2*x)", "((f((2*x)+sw)-f((2*x)))/sw)"},
                    Conversion{0, "g'(x)*h'(x)", "((g((x)+sw)-g((x)))/sw)*((h((x)+sw)-h((x)))/sw)"},
                    Conversion{1, "y1'(t)", "((y1((t)+sw)-y1((t)))/sw)"},
                    Conversion{0, "fill", "((Sgn(Sin(dichte*x)) + 1)/2)"},
                    Conversion{1, "fill", "((Sgn(Sin(dichte*t)) + 1)/2)"},
                    // Removed characters go whole, even when they are several bytes long.
                    Conversion{0, "  # ~ \" \xC2\xA7 $ \xC2\xB4 ` _ \xC2\xB0  ", ""},
                    Conversion{0, "\xC3\xA4\xC2\xA7+\xC3\xB6\xC2\xB0", "\xC3\xA4+\xC3\xB6"},
                    // A derivative that cannot be expanded leaves "'" behind: no term.
                    Conversion{0, "f''(x)", ""}, Conversion{0, "f'(f'(x))", ""},
                    Conversion{1, "f'(t)", ""}, Conversion{0, "y1'(x)", ""}));

TEST(Termconv, UnbalancedBracketsWarnOnceAndConversionGoesOn) {
    struct Case {
        const char* input;
        const char* expected;
        std::size_t messages;
    };
    for (const Case& c :
         {Case{"min(1;2", "min(1;2", 1}, Case{"min(max(1;2)", "min(max(1,2)", 1},
          Case{"min(min(min(1;2", "min(min(min(1;2", 1}, Case{"f'(x", "((f(+sw)-f())/sw)x", 1}}) {
        ScriptedUi ui;
        EXPECT_EQ(termconv(c.input, 0, ui), c.expected) << c.input;
        EXPECT_EQ(ui.messages,
                  (Messages{{"Fehlerhafte Klammersetzung!", "Vestrano", MessageIcon::None}}))
            << c.input;
    }
}

TEST(Termconv, LongNestedTermConvertsCompletely) {
    std::string open;
    for (int i = 0; i < 1666; ++i) { // about 10 000 characters
        open += i % 2 == 0 ? "min(" : "max(";
    }
    const std::string close(1666, ')');
    ScriptedUi ui;
    EXPECT_EQ(termconv(open + "1,5;2" + close, 0, ui), open + "1.5,2" + close);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Bracketgroup, StartsAtTheFirstBracketFromStart) {
    ScriptedUi ui;
    EXPECT_EQ(bracketgroup("a*(b+(c))-(d)", 1, ui), "(b+(c))");
    EXPECT_EQ(bracketgroup("a*(b+(c))-(d)", 4, ui), "(c)");
    EXPECT_EQ(bracketgroup("a*(b+(c))-(d)", 12, ui), "");
    EXPECT_TRUE(ui.messages.empty());
}
} // namespace

} // namespace vestrano
