#include "app/graph_resize.h"

#include <gtest/gtest.h>

#include "plot/view_fixture.h"

namespace vestrano {

TEST_F(ViewFixture, ResizingGivesEveryFunctionOneSamplePerPixelColumn) {
    terms("x", "x^2", "a*x");
    graphResize(ctx, 12000, 9000, 15, 15);
    EXPECT_EQ(redrawer.count, 1);
    EXPECT_DOUBLE_EQ(state.view.xmu, 12000 / 20.0);
    EXPECT_DOUBLE_EQ(state.graph.xclip, 24000);
    for (int i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(state.slots[i].anzx, 799) << "slot " << i;
        EXPECT_EQ(state.params[3 + i].parvalue, 800) << "slot " << i;
    }

    state.options.keepcounts = true;
    graphResize(ctx, 6000, 9000, 15, 15);
    EXPECT_EQ(state.slots[0].anzx, 799);
}

} // namespace vestrano
