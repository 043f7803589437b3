#include "plot/navigation.h"

#include <cmath>

#include <gtest/gtest.h>

#include "plot/einszueins.h"
#include "plot/fmtnum.h"
#include "plot/graph_keys.h"
#include "plot/view_drag.h"
#include "view_bounds.h"
#include "view_fixture.h"

namespace vestrano {

// The intervals window follows the view without anything above the plot being set up; only
// the integral lower bounds need the start-up's hook.
TEST_F(ViewFixture, TheIntervalsWindowShowsTheRangesTheViewMovedTo) {
    state.view.tmin = 0.5;
    scrlr(ctx, 10);
    EXPECT_EQ(state.intervals.von[0], "-8");
    EXPECT_EQ(state.intervals.bis[0], "12");
    EXPECT_EQ(state.intervals.von[1], "");
    scrud(ctx, -25);
    EXPECT_EQ(state.intervals.von[1], "-15");
    EXPECT_EQ(state.intervals.bis[1], "5");
    einszueins(ctx, 1);
    EXPECT_EQ(state.intervals.von[1], "-11,25");
    EXPECT_EQ(state.intervals.von[2], "0,5");
}

TEST_F(ViewFixture, GraphKeysScrollOrZoom) {
    const struct {
        const char* name;
        int key;
        int shift;
        Bounds expected;
    } cases[] = {{"RightByOnePercent", kKeyRight, 0, {-9.8, 10.2, -10, 10}},
                 {"ShiftLeftByFivePercent", kKeyLeft, kModShift, {-11, 9, -10, 10}},
                 {"ShiftCtrlUpByOnePercent", kKeyUp, kModShift | kModCtrl, {-10, 10, -9.8, 10.2}},
                 {"CtrlDownZoomsYOut", kKeyDown, kModCtrl, {-10, 10, -15, 15}},
                 {"CtrlRightZoomsXIn", kKeyRight, kModCtrl, {-k20, k20, -10, 10}},
                 {"PlusZoomsBothIn", kKeyPadPlus, kModShift, {-k20, k20, -k20, k20}},
                 {"MinusZoomsBothOut", kKeyMinus, 0, {-15, 15, -15, 15}},
                 {"YAdaptsX", kKeyY, 0, {-16, 16, -10, 10}},
                 {"OtherKeysDoNothing", 65, 0, {-10, 10, -10, 10}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        view(-10, 10, -10, 10);
        graphKey(ctx, c.key, c.shift);
        expectBounds(bounds(), c.expected);
    }
}

TEST_F(ViewFixture, TheWheelZoomsAboutThePointUnderTheMouse) {
    const struct {
        const char* name;
        int shift;
        int angle;
        double fx, fy; // span factors
    } cases[] = {
        {"NotchAwayZoomsBothIn", 0, 120, 1 / 1.5, 1 / 1.5},
        {"NotchTowardsZoomsBothOut", 0, -120, 1.5, 1.5},
        {"HalfNotchZoomsInProportion", kModShift, 60, 1 / std::sqrt(1.5), 1 / std::sqrt(1.5)},
        {"CtrlZoomsXOnly", kModCtrl, -240, 2.25, 1},
        {"AltZoomsYOnly", kModAlt, 120, 1, 1 / 1.5},
        {"CtrlAltZoomsBoth", kModCtrl | kModAlt, 120, 1 / 1.5, 1 / 1.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        view(-10, 10, -10, 10);
        const double x = mouseX(3);
        const double y = mouseY(-4);
        wheelZoom(ctx, c.shift, c.angle, x, y);
        EXPECT_NEAR(state.view.xmax - state.view.xmin, 20 * c.fx, 1e-9);
        EXPECT_NEAR(state.view.ymax - state.view.ymin, 20 * c.fy, 1e-9);
        EXPECT_NEAR(mouseX(3), x, 1e-6);
        EXPECT_NEAR(mouseY(-4), y, 1e-6);
    }
    EXPECT_EQ(state.intervals.bis[1], fmtnum(state.view.ymax, state.grid.fmty));
}

TEST_F(ViewFixture, TheWheelIsLockedAndGuardedLikeTheZoomClicks) {
    state.menu.zoomtoggle = true;
    wheelZoom(ctx, 0, 120, mouseX(3), mouseY(2));
    expectBounds(bounds(), {-10, 10, -10, 10});
    EXPECT_EQ(redrawer.count, 0);
    state.menu.zoomtoggle = false;
    view(1e13, 1e13 + 20, -10, 10);
    int refused = 0;
    for (int i = 0; i < 100; ++i) {
        const Bounds last = bounds();
        wheelZoom(ctx, kModCtrl, 120, state.view.picw / 2, state.view.pich / 2);
        EXPECT_TRUE(viewPrecise(state));
        refused += bounds() == last ? 1 : 0;
    }
    EXPECT_GT(refused, 0);
}

// 15 twips per pixel, 80 pixels per world unit in x and 50 in y.
TEST_F(ViewFixture, DraggingMovesTheViewAndItsBackgroundWithThePointer) {
    draw();
    ASSERT_TRUE(state.graph.backgroundValid);
    ASSERT_TRUE(beginViewDrag(ctx));
    moveViewDrag(ctx, 40 * 15, -25 * 15);
    moveViewDrag(ctx, 80 * 15, -50 * 15);
    expectBounds(bounds(), {-11, 9, -11, 9});
    EXPECT_EQ(redrawer.count, 2);
    EXPECT_EQ(state.intervals.von[0], ""); // follows at the end only
    draw();
    EXPECT_EQ(canvas.count(Kind::Clear), 0u);
    ASSERT_EQ(canvas.only(Kind::RestoreBackground).size(), 1u);
    EXPECT_EQ(canvas.only(Kind::RestoreBackground)[0].points.at(0), (PixelPoint{80, -50}));

    endViewDrag(ctx);
    EXPECT_EQ(redrawer.count, 3);
    EXPECT_EQ(state.intervals.von[0], "-11");
    EXPECT_EQ(state.intervals.bis[1], "9");
    draw();
    EXPECT_EQ(canvas.count(Kind::Clear), 1u); // rebuilt for the new view
}

TEST_F(ViewFixture, ADragIsLockedGuardedAndQuietWithoutAMove) {
    state.menu.zoomtoggle = true;
    EXPECT_FALSE(beginViewDrag(ctx));
    moveViewDrag(ctx, 300, 300);
    endViewDrag(ctx);
    state.menu.zoomtoggle = false;
    ASSERT_TRUE(beginViewDrag(ctx));
    moveViewDrag(ctx, 5, -5); // less than half a pixel
    endViewDrag(ctx);
    expectBounds(bounds(), {-10, 10, -10, 10});
    EXPECT_EQ(redrawer.count, 0);

    // The help line at the left edge is the 2^47 - 10th from the start: ten lines further its
    // index loses its fraction.
    state.grid.startx = -10 - (std::ldexp(1, 47) - 10) * state.grid.hstepx;
    ASSERT_TRUE(viewPrecise(state));
    ASSERT_TRUE(beginViewDrag(ctx));
    moveViewDrag(ctx, -1600 * 15, 0);
    EXPECT_EQ(state.view.xmin, -10);
    moveViewDrag(ctx, -15, 0);
    EXPECT_NEAR(state.view.xmin, -10 + 1 / 80.0, 1e-9);
    endViewDrag(ctx);
    EXPECT_FALSE(state.graph.drag.active);
}

} // namespace vestrano
