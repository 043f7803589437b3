#include "state/plot_state.h"

#include <gtest/gtest.h>

namespace vestrano {

TEST(PlotState, SlotNamesFollowTheMode) {
    EXPECT_EQ(slotName(0, 3), "f(x)");
    EXPECT_EQ(slotName(1, 3), "x(t)");
    EXPECT_EQ(slotName(1, 8), "X(t)");
    EXPECT_EQ(slotName(1, 11), "y2");
    EXPECT_EQ(collectionKey(18), "Punkte=");
}

} // namespace vestrano
