#include "app/menu_actions.h"

#include <gtest/gtest.h>

#include "app/mode_switch.h"
#include "app/settings_menu.h"
#include "app/term_input.h"
#include "app_fixture.h"
#include "collection/working_copy.h"
#include "settings/settings_fixture.h"

namespace vestrano {

TEST_F(AppFixture, DegreesHoldAcrossAnInterpretation) {
    winkelmas(ctx, 2);
    EXPECT_EQ(state.options.anglemode, 2);
    EXPECT_EQ(redrawer.count, 1);
    term(0, "sin(x)");
    findandget(ctx, false);
    EXPECT_DOUBLE_EQ(state.engine.ucEval("sin(90)"), 1.0);

    winkelmas(ctx, 7); // no such unit: nothing changes
    EXPECT_EQ(state.options.anglemode, 2);
}

using AngleUnit = SettingsFixture;

// The mode switch reads the settings of the working copy again, so the unit chosen in the menu
// has to be there.
TEST_F(AngleUnit, TheChosenUnitOutlastsAModeSwitchAndAFailedWriteIsTold) {
    ASSERT_EQ(colnew(state.files.tmpfile).reason(), "");
    saveSettingsMenu(ctx); // radians saved
    winkelmas(ctx, 2);
    chooseMode(ctx, 1);
    chooseMode(ctx, 0);
    EXPECT_EQ(state.options.anglemode, 2);
    EXPECT_DOUBLE_EQ(state.engine.ucEval("sin(90)"), 1.0);
    EXPECT_TRUE(ui.messages.empty());

    state.files.tmpfile = path("missing/vestrano.tmp");
    winkelmas(ctx, 3);
    EXPECT_EQ(state.options.anglemode, 3);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.starts_with("Die Einstellungen konnten nicht in " +
                                                state.files.tmpfile + " gespeichert werden."))
        << ui.messages[0].text;
}

TEST_F(AppFixture, DisplayItemsToggleAndRebuildTheBackground) {
    for (DisplayItem item : {DisplayItem::HelpLines, DisplayItem::Numbers, DisplayItem::Axes,
                             DisplayItem::AxisNames}) {
        const int before = redrawer.count;
        EXPECT_TRUE(displayChecked(state, item));
        toggleDisplay(ctx, item);
        EXPECT_FALSE(displayChecked(state, item));
        EXPECT_EQ(redrawer.count, before + 1);
        EXPECT_EQ(redrawer.canvas.count(RecordingCanvas::Kind::CaptureBackground), 1u);
        redrawer.canvas.events.clear();
    }
}

TEST_F(AppFixture, TheChildrenFollowTheMainWindowOnlyWhileDocked) {
    mainResized(ctx, 40000, 20000, false);
    EXPECT_EQ(state.layout.graph.height, 20000 - 1965);

    toggleDock(ctx);
    EXPECT_FALSE(state.menu.dock);
    mainResized(ctx, 40000, 25000, false);
    EXPECT_EQ(state.layout.graph.height, 20000 - 1965);

    toggleDock(ctx); // checking it arranges at once
    EXPECT_EQ(state.layout.graph.height, 25000 - 1965);
}

TEST_F(AppFixture, ArrangedParameterWindowsFollowAResizedGraphWindow) {
    term(0, "a*x+b");
    findandget(ctx, false);
    ParamWindow& a = state.params[kFirstFreeParam].window;
    ASSERT_TRUE(a.visible);
    const int before = a.left;
    EXPECT_EQ(before, state.layout.graph.left + state.layout.graph.width);

    state.layout.graph.width -= 3000; // the user narrowed the graph window by its edge
    ui.changes.clear();
    childResized(ctx);
    EXPECT_EQ(a.left, before - 3000);
    EXPECT_EQ(ui.changes, std::vector<Change>{Change::Parameters});

    state.menu.pardock = false; // not arranged: the windows stay where the user put them
    state.layout.graph.width += 1000;
    childResized(ctx);
    EXPECT_EQ(a.left, before - 3000);
}

} // namespace vestrano
