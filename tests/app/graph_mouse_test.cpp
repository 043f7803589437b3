#include "app/graph_mouse.h"

#include <cmath>

#include <gtest/gtest.h>

#include "plot/graph_keys.h"
#include "plot/navigation.h"
#include "plot/view_bounds.h"
#include "plot/view_fixture.h"

namespace vestrano {

TEST_F(ViewFixture, ZoomClicksMoveTheViewAboutTheMousePoint) {
    const struct {
        const char* name;
        int button;
        int shift;
        double x, y; // world point under the mouse
        Bounds expected;
    } cases[] = {
        {"CtrlLeftAtCentreZoomsXIn", kButtonLeft, kModCtrl, 0, 0, {-k20, k20, -10, 10}},
        {"AltRightZoomsYOut", kButtonRight, kModAlt, 0, 0, {-10, 10, -15, 15}},
        {"CtrlAltLeftKeepsThePointUnderTheMouse",
         kButtonLeft,
         kModCtrl | kModAlt,
         10,
         -10,
         {10 - 20 / 1.5, 10, -10, -10 + 20 / 1.5}},
        {"ShiftLeftMakesThePointTheOrigin", kButtonLeft, kModShift, 3, 2, {-13, 7, -12, 8}},
        {"ShiftRightCentresThePoint", kButtonRight, kModShift, 3, 2, {-7, 13, -8, 12}},
        {"ShiftMiddlePansNothing", kButtonMiddle, kModShift, 3, 2, {-10, 10, -10, 10}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        view(-10, 10, -10, 10);
        redrawer.count = 0;
        zoom(ctx, c.button, c.shift, mouseX(c.x), mouseY(c.y));
        expectBounds(bounds(), c.expected);
        EXPECT_EQ(redrawer.count, 1);
    }
}

TEST_F(ViewFixture, ALockedZoomAndAPlainReleaseLeaveTheView) {
    state.menu.zoomtoggle = true;
    zoom(ctx, kButtonLeft, kModCtrl, mouseX(0), mouseY(0));
    graphKey(ctx, kKeyPlus, 0);
    graphKey(ctx, kKeyLeft, kModCtrl);
    state.menu.zoomtoggle = false;
    zoom(ctx, kButtonLeft, 0, mouseX(3), mouseY(2));
    expectBounds(bounds(), {-10, 10, -10, 10});
    EXPECT_EQ(redrawer.count, 0);
}

TEST_F(ViewFixture, ThePrecisionGuardRefusesAZoomFarFromTheOrigin) {
    view(1e13, 1e13 + 20, -10, 10);
    Bounds last = bounds();
    int refused = 0;
    for (int i = 0; i < 100; ++i) {
        zoom(ctx, kButtonLeft, kModCtrl, state.view.picw / 2, state.view.pich / 2);
        EXPECT_TRUE(viewPrecise(state));
        refused += bounds() == last ? 1 : 0;
        last = bounds();
    }
    EXPECT_GT(refused, 0);
    EXPECT_EQ(redrawer.count, 100); // a refused zoom still redraws
}

TEST_F(ViewFixture, EndlessZoomingStaysAFiniteView) {
    const auto expectFinite = [this] {
        EXPECT_GT(state.view.xmax - state.view.xmin, 0);
        EXPECT_GT(state.view.ymax - state.view.ymin, 0);
        EXPECT_TRUE(std::isfinite(state.view.xmu) && std::isfinite(state.view.ymu));
        EXPECT_TRUE(std::isfinite(state.view.xspan) && std::isfinite(state.view.yspan));
    };
    for (int i = 0; i < 4000; ++i) {
        zoom(ctx, kButtonLeft, kModCtrl | kModAlt, state.view.picw / 2, state.view.pich / 2);
    }
    expectFinite();
    for (int i = 0; i < 8000; ++i) {
        zoom(ctx, kButtonRight, kModCtrl | kModAlt, state.view.picw / 2, state.view.pich / 2);
        scrlr(ctx, 10);
    }
    expectFinite();
    EXPECT_GT(state.view.xmax - state.view.xmin, 1e300);
}

TEST_F(ViewFixture, TheMiddleButtonDragsUnlessCoupledAndTheLeftOnlyWithTheSpaceBar) {
    state.options.couplemode = kButtonLeft | kButtonRight;
    EXPECT_TRUE(dragsView(state, kButtonMiddle, false));
    EXPECT_TRUE(dragsView(state, kButtonLeft, true));
    EXPECT_FALSE(dragsView(state, kButtonLeft, false));
    EXPECT_FALSE(dragsView(state, kButtonRight, true));
    state.options.couplemode = kButtonMiddle;
    EXPECT_FALSE(dragsView(state, kButtonMiddle, false));
}

} // namespace vestrano
