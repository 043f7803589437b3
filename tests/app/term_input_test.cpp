#include "app/term_input.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "app/interpretall.h"
#include "app_fixture.h"
#include "params/param_table.h"

namespace vestrano {

TEST_F(AppFixture, UncheckingASlotRemovesItsGraphWithoutInterpreting) {
    term(0, "a*x");
    findandget(ctx, false);
    const int a = paramSlot("a");
    state.params[a].parstep = 0.5; // an interpretation would clear it
    redrawer.canvas.events.clear();

    showSlot(ctx, 0, false);
    EXPECT_FALSE(state.slots[0].visible);
    EXPECT_EQ(state.params[a].parstep, 0.5);
    EXPECT_TRUE(redrawer.canvas.path(state.style.penSpecs[0]).empty());
    EXPECT_EQ(ui.changes.back(), Change::Picture);
}

TEST_F(AppFixture, EntparaPutsInValuesWithCommaAndBracketsNegatives) {
    term(0, "a*x+b");
    findandget(ctx, true);
    storeParamValue(state, paramSlot("a"), -2);
    storeParamValue(state, paramSlot("b"), 0.5);
    EXPECT_EQ(entpara(state, "a*x + b"), "(-2)*x+0,5");
    EXPECT_EQ(entpara(state, "ab+a"), "ab+(-2)");
}

TEST_F(AppFixture, ParacopyWritesOneLinePerFilledSlot) {
    term(0, "a * x");
    term(2, "x^2");
    findandget(ctx, true);
    storeParamValue(state, paramSlot("a"), 2);

    paracopy(state, ui, true);
    EXPECT_EQ(ui.clipboard, "f(x)=2*x\r\nh(x)=x^2");
    paracopy(state, ui, false);
    EXPECT_EQ(ui.clipboard, "f(x)=a*x\r\nh(x)=x^2");

    term(2, "");
    paracopy(state, ui, true);
    EXPECT_EQ(ui.clipboard, "f(x)=2*x");
}

// The intervals, lines and points windows interpret without the term window's take-over; the
// list and the windows used to go stale after their edits.
TEST_F(AppFixture, InterpretingRefreshesTheListAndArrangesTheWindows) {
    state.menu.spal = true;
    state.menu.pardock = true;
    ctx.hooks.nameWidth = [](std::string_view name) {
        return 120.0 * static_cast<double>(name.size());
    };
    state.additional.linestext = "y=m*x";
    ASSERT_TRUE(interpretall(ctx));
    const int m = paramSlot("m");
    ASSERT_GE(m, kFirstFreeParam);
    const auto& rows = state.paramlist.rows;
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                            [](const ParamListRow& row) { return row.name == "m"; }));
    EXPECT_TRUE(state.paramlist.visible);
    const ParamWindow& window = state.params[m].window;
    EXPECT_EQ(window.top + window.height, state.layout.clientHeight);
}

} // namespace vestrano
