#include "plot/mapping.h"

#include <gtest/gtest.h>

#include "state/plot_state.h"

namespace vestrano {

TEST(Mapping, WorldToPixelsAndTheMouseBack) {
    PlotState state; // -10..10 both ways on 600 x 400 pixels of 15 twips
    state.view.picw = 9000;
    state.view.pich = 6000;
    state.view.xmu = 450;
    state.view.ymu = 300;

    const struct {
        double x, y, column, row;
    } points[] = {{0, 0, 300, 200}, {5, -5, 450, 300}, {-10, 10, 0, 0}, {10, -10, 600, 400}};
    for (const auto& p : points) {
        EXPECT_EQ(pixelColumn(state.view, twipsX(state.view, p.x)), p.column) << p.x;
        EXPECT_EQ(pixelRow(state.view, twipsY(state.view, p.y)), p.row) << p.y;
        const WorldPoint back = mouseWorld(state.view, p.column * 15, p.row * 15);
        EXPECT_EQ(back.x, p.x);
        EXPECT_EQ(back.y, p.y);
    }
}

} // namespace vestrano
