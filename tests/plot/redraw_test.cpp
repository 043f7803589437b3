#include "plot/redraw.h"

#include <cmath>

#include "plot_fixture.h"

namespace vestrano {

using Redraw = PlotFixture;

TEST_F(Redraw, BusySuppressesDrawing) {
    terms("x");
    state.busy = 1;
    ui.changes.clear();
    draw();
    EXPECT_TRUE(canvas.events.empty());
    EXPECT_TRUE(ui.changes.empty());
}

// h is drawn over g over f; a slot without a term or with its box cleared only has its
// pen selected and released.
TEST_F(Redraw, SlotsInOrderEachPenSelectedAndReleased) {
    terms("x", "", "2*x");
    state.slots[2].visible = false;
    draw();
    std::vector<PenSpec> selected;
    bool afterBackground = false;
    for (const Event& e : canvas.events) {
        afterBackground = afterBackground || e.kind == Kind::CaptureBackground;
        if (afterBackground && e.kind == Kind::SelectPen) {
            selected.push_back(e.pen);
        }
    }
    const PenSpec before = canvas.events.front().pen;
    EXPECT_EQ(selected, (std::vector<PenSpec>{pen(0), before, pen(1), before, pen(2), before}));
    EXPECT_EQ(canvas.path(pen(0)).size(), 500u);
    EXPECT_TRUE(canvas.path(pen(1)).empty());
    EXPECT_TRUE(canvas.path(pen(2)).empty());
    EXPECT_EQ(ui.changes.back(), Change::Picture);

    state.slots[2].visible = true;
    draw();
    const auto& events = canvas.events;
    const auto lastF = std::find_if(events.rbegin(), events.rend(),
                                    [&](const Event& e) { return e.pen == pen(0); });
    const auto firstH =
        std::find_if(events.begin(), events.end(), [&](const Event& e) { return e.pen == pen(2); });
    EXPECT_LT(lastF.base() - events.begin(), firstH - events.begin());
}

// Every vertex of a graph, curve or integral carries its unrounded position for the smooth
// line beside the rounded one every rule was decided on.
TEST_F(Redraw, GraphVerticesCarryTheirExactPositions) {
    const auto expectExact = [&](int slot) {
        const auto path = canvas.path(pen(slot));
        ASSERT_GT(path.size(), 100u) << slot;
        std::size_t between = 0;
        for (const Event& e : path) {
            const PixelPoint rounded{static_cast<int>(std::nearbyint(e.exact.x)),
                                     static_cast<int>(std::nearbyint(e.exact.y))};
            EXPECT_EQ(e.points[0], rounded) << slot;
            between += e.exact.y != rounded.y ? 1 : 0;
        }
        EXPECT_GT(between, path.size() / 2) << slot;
    };
    terms("x", "integral(1)");
    draw();
    const auto f = canvas.path(pen(0));
    EXPECT_DOUBLE_EQ(f[1].exact.x, 1600.0 / 499);
    EXPECT_DOUBLE_EQ(f[1].exact.y, 1000 - 1000.0 / 499);
    expectExact(0);
    expectExact(1);

    state.mode = 1;
    terms("t-5", "wurzel(t)", "integral(1)");
    draw();
    expectExact(1);
    expectExact(2);
}

} // namespace vestrano
