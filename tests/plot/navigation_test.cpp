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

struct KeyPress {
    const char* name;
    int key;
    int shift;
    Bounds expected;
};

class GraphKey : public ViewFixture, public ::testing::WithParamInterface<KeyPress> {};

TEST_P(GraphKey, ScrollsOrZooms) {
    const KeyPress& k = GetParam();
    graphKey(ctx, k.key, k.shift);
    expectBounds(bounds(), k.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GraphKey,
    ::testing::Values(
        KeyPress{"RightByOnePercent", kKeyRight, 0, {-9.8, 10.2, -10, 10}},
        KeyPress{"ShiftLeftByFivePercent", kKeyLeft, kModShift, {-11, 9, -10, 10}},
        KeyPress{"ShiftCtrlUpByOnePercent", kKeyUp, kModShift | kModCtrl, {-10, 10, -9.8, 10.2}},
        KeyPress{"CtrlDownZoomsYOut", kKeyDown, kModCtrl, {-10, 10, -15, 15}},
        KeyPress{"CtrlRightZoomsXIn", kKeyRight, kModCtrl, {-k20, k20, -10, 10}},
        KeyPress{"PlusZoomsBothIn", kKeyPadPlus, kModShift, {-k20, k20, -k20, k20}},
        KeyPress{"MinusZoomsBothOut", kKeyMinus, 0, {-15, 15, -15, 15}},
        KeyPress{"YAdaptsX", kKeyY, 0, {-16, 16, -10, 10}},
        KeyPress{"OtherKeysDoNothing", 65, 0, {-10, 10, -10, 10}}),
    [](const auto& info) { return info.param.name; });

} // namespace vestrano
