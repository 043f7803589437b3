#include "app/mode_switch.h"

#include <gtest/gtest.h>

#include "app_fixture.h"

namespace vestrano {

TEST(TranslateTerm, IntoTheOtherModesNames) {
    const struct {
        const char* from;
        int oldmode;
        const char* to;
    } cases[] = {{"sin(x)+a", 0, "sin(t)+a"},
                 {"f(x)*2", 0, "x(t)*2"},
                 {"f'(x)", 0, "x'(t)"},
                 {"t*x", 0, "t0*t"},
                 {"F(x)+g(2*x)-h(x)", 0, "X(t)+y1(2*t)-y2(t)"},
                 {"x>0 und x<1", 0, "t>0 and t<1"},
                 {"x(t)*2", 1, "f(x)*2"},
                 {"y1'(t)", 1, "g'(x)"},
                 {"max(t;1)+x", 1, "max(x;1)+x0"},
                 {"exp(t) * 2", 1, "exp(x)*2"}};
    for (const auto& c : cases) {
        EXPECT_EQ(translateTerm(c.from, c.oldmode, 1 - c.oldmode), c.to) << c.from;
    }
}

TEST_F(AppFixture, SwitchingToCurvesRenamesTheBoundsAndDrawsOnce) {
    term(0, "sin(x)+a");
    chooseMode(ctx, 1);
    EXPECT_EQ(state.status.text, "Ok.");
    EXPECT_EQ(state.params[0].label, "uf = untere Grenze für Integralfunktion in x(t)");
    // The windows' captions used to keep the old mode's names.
    EXPECT_EQ(state.params[2].window.caption, "uh = untere Grenze für Integralfunktion in y2(t)");
    EXPECT_EQ(redrawer.count, 1);
}

TEST_F(AppFixture, AParameterNamedLikeTheNewVariableIsFreedAndRenamed) {
    term(0, "t*x");
    togglefork(ctx, 0); // interprets in function mode: "t" becomes a parameter
    const int t = paramSlot("t");
    ASSERT_GE(t, 0);

    chooseMode(ctx, 1);
    EXPECT_EQ(state.slots[0].text, "t0*t");
    EXPECT_EQ(paramSlot("t"), -1);
    EXPECT_GE(paramSlot("t0"), 0);
}

TEST_F(AppFixture, ChoosingTheModeThatIsOnChangesNothing) {
    term(0, "x^2");
    chooseMode(ctx, 0);
    EXPECT_EQ(state.slots[0].text, "x^2");
    EXPECT_EQ(redrawer.count, 0);
    EXPECT_TRUE(ui.changes.empty());
    togglefork(ctx, 0); // interprets, but translates nothing
    EXPECT_EQ(state.slots[0].text, "x^2");
}

} // namespace vestrano
