#include "plot/graph_layout.h"

#include <gtest/gtest.h>

#include "plot/einszueins.h"
#include "plot/mouse_position.h"
#include "view_fixture.h"

namespace vestrano {

TEST(GraphLayout, PlacesTheControlsAroundTheDrawingArea) {
    const GraphLayout g = graphLayout(7000, 6000, 255, 255);
    EXPECT_EQ(g.picture, (TwipRect{0, 0, 6695, 5295}));
    EXPECT_EQ(g.vscroll, (TwipRect{6725, 0, 255, 5295}));
    EXPECT_EQ(g.hscroll, (TwipRect{0, 5325, 6695, 255}));
    EXPECT_EQ(g.zoomButton, (TwipRect{6725, 5325, 255, 255}));
    EXPECT_EQ(g.position, (TwipRect{0, 5610, 6695, 390}));
    EXPECT_EQ(g.aspect, (TwipRect{6725, 5730, 275, 270}));
    EXPECT_EQ(graphLayout(100, 100, 255, 255).picture, (TwipRect{0, 0, 0, 0}));
}

TEST_F(ViewFixture, EqualScalesAboutTheCentreOfTheAdaptedAxis) {
    state.view.picw = 24000;
    state.view.pich = 12000;
    einszueins(ctx, 1);
    EXPECT_EQ(bounds(), std::make_tuple(-10.0, 10.0, -5.0, 5.0));
    einszueins(ctx, 2);
    EXPECT_EQ(bounds(), std::make_tuple(-10.0, 10.0, -5.0, 5.0));
    view(-10, 10, -10, 10);
    einszueins(ctx, 2);
    EXPECT_EQ(bounds(), std::make_tuple(-20.0, 20.0, -10.0, 10.0));
    EXPECT_EQ(redrawer.count, 3);

    state.view.pich = 0; // no drawing area yet: nothing to adapt to
    einszueins(ctx, 1);
    einszueins(ctx, 4);
    EXPECT_EQ(bounds(), std::make_tuple(-20.0, 20.0, -10.0, 10.0));
}

TEST_F(ViewFixture, PositionTextAndAreaSize) {
    EXPECT_EQ(positionText(state, mouseX(2.5), mouseY(-0.25)), "   x: 2,5        y: -0,25");
    showAreaSize(state, ui);
    EXPECT_EQ(ui.messages, (Messages{{"xm = 24000, ym = 15000", "Vestrano", MessageIcon::None}}));
}

} // namespace vestrano
