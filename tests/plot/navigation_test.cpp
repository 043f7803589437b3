#include "plot/navigation.h"

#include <gtest/gtest.h>

#include "plot/einszueins.h"
#include "plot/graph_keys.h"
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

} // namespace vestrano
