#include "state/plot_state.h"

#include <gtest/gtest.h>

namespace vestrano {

TEST(PlotState, SlotNamesFollowTheMode) {
    EXPECT_EQ(slotName(0, SlotText::Function), "f(x)");
    EXPECT_EQ(slotName(1, SlotText::Function), "x(t)");
    EXPECT_EQ(slotName(1, SlotText::Integral), "X(t)");
    EXPECT_EQ(slotName(1, SlotText::ShortName, 2), "y2");
    EXPECT_EQ(collectionKey(CollectionKey::Points), "Punkte=");
}

} // namespace vestrano
