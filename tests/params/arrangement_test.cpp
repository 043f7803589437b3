#include "params/arrangement.h"

#include <utility>

#include "param_fixture.h"
#include "params/param_table.h"

namespace vestrano {
namespace {

class Arrangement : public ParamFixture {
  protected:
    void SetUp() override { terms("a*x+b+c"); }
    std::pair<int, int> place(int s) { return {window(s).left, window(s).top}; }
};

// The least width and the height are the window tests' matter.
TEST_F(Arrangement, ANewWindowTakesTheLastWidth) {
    paraResize(state, b, 5000.4);
    init(ctx, 10);
    EXPECT_EQ(window(10).width, 5000);
}

TEST_F(Arrangement, WindowsStackFromTheBottomRightOfTheGraph) {
    arrangepara(state, FrameGeometry{20000, 9000, true, 0, 12000});
    EXPECT_EQ(place(10), std::make_pair(12000, 7750));
    EXPECT_EQ(place(8), std::make_pair(12000, 5250));
    // Hidden graph, or no room beside it: the column starts at the left edge.
    for (const FrameGeometry f : {FrameGeometry{20000, 9000, false, 0, 12000},
                                  FrameGeometry{20000, 9000, true, 0, 15261}}) {
        arrangepara(state, f);
        EXPECT_EQ(place(10), std::make_pair(0, 7750));
    }
    // A full column goes on 300 twips further right, from the bottom again.
    arrangepara(state, FrameGeometry{20000, 3000, true, 0, 12000});
    EXPECT_EQ(place(9), std::make_pair(12000, 500));
    EXPECT_EQ(place(8), std::make_pair(12300, 1750));
}

TEST_F(Arrangement, LowerBoundWindowsTakeOneRowEachAtTheTopOfTheColumn) {
    const FrameGeometry frame{20000, 9000, true, 0, 12000};
    for (int s = 0; s < 3; ++s) {
        placeBoundWindow(state, frame, s, 6000);
        EXPECT_EQ(place(s), std::make_pair(12000, 1250 * s));
    }
    EXPECT_EQ(window(1).width, 6000);
    placeBoundWindow(state, frame, 2, 8500); // no room beside the graph
    EXPECT_EQ(place(2), std::make_pair(0, 2500));
    // Sized for their captions, they leave the width of other windows alone.
    const int16_t width = state.parawidth;
    paraResize(state, 1, 7000);
    EXPECT_EQ(state.parawidth, width);
}

} // namespace
} // namespace vestrano
