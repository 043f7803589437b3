#include "app/term_input.h"

#include <gtest/gtest.h>

#include "app_fixture.h"
#include "params/param_table.h"

namespace vestrano {

TEST_F(AppFixture, UncheckingASlotRemovesItsGraphWithoutInterpreting) {
    term(0, "a*x");
    findandget(ctx, false);
    const int a = paramSlot("a");
    state.params[a].parstep = 0.5; // an interpretation would clear it
    redrawer.canvas.events.clear();

    showslot(ctx, 0, false);
    EXPECT_FALSE(state.slots[0].visible);
    EXPECT_EQ(state.params[a].parstep, 0.5);
    EXPECT_TRUE(redrawer.canvas.path(state.view.penSpecs[0]).empty());
    EXPECT_EQ(ui.changes.back(), Change::Picture);
}

TEST_F(AppFixture, EntparaPutsInValuesWithCommaAndBracketsNegatives) {
    term(0, "a*x+b");
    findandget(ctx, true);
    setwert(state, paramSlot("a"), -2);
    setwert(state, paramSlot("b"), 0.5);
    EXPECT_EQ(entpara(state, "a*x + b"), "(-2)*x+0,5");
    EXPECT_EQ(entpara(state, "ab+a"), "ab+(-2)");
}

TEST_F(AppFixture, ParacopyWritesOneLinePerFilledSlot) {
    term(0, "a * x");
    term(2, "x^2");
    findandget(ctx, true);
    setwert(state, paramSlot("a"), 2);

    paracopy(state, ui, true);
    EXPECT_EQ(ui.clipboard, "f(x)=2*x\r\nh(x)=x^2");
    paracopy(state, ui, false);
    EXPECT_EQ(ui.clipboard, "f(x)=a*x\r\nh(x)=x^2");

    term(2, "");
    paracopy(state, ui, true);
    EXPECT_EQ(ui.clipboard, "f(x)=2*x");
}

} // namespace vestrano
