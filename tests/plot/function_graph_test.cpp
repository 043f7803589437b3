#include "plot/graph_drawing.h"

#include <algorithm>

#include "plot_fixture.h"

namespace vestrano {

using FunctionGraph = PlotFixture;

TEST_F(FunctionGraph, FiveHundredSamplesOneMovedToTheRestJoined) {
    terms("x");
    draw();
    const auto path = canvas.path(pen(0));
    ASSERT_EQ(path.size(), 500u);
    EXPECT_EQ(moves(path), 1u);
    EXPECT_EQ(path.front().kind, Kind::MoveTo);
    EXPECT_EQ(path.front().points[0], (PixelPoint{0, 1000}));
    EXPECT_EQ(path[1].points[0], (PixelPoint{3, 998})); // column 3.21, row 997.996
    EXPECT_EQ(path.back().points[0], (PixelPoint{1600, 0}));
}

// Samples 249 and 250 lie at about -49.9 and 49.9, either side of the pole.
TEST_F(FunctionGraph, PoleIsJoinedOnlyWhenTheSampleBeforeItLiesWithinTheBand) {
    struct Case {
        double ymin, ymax;
        Kind kind; // of samples 249 and 250
        int row249;
    };
    const Case cases[] = {
        {-1, 1, Kind::MoveTo, 3000},   // band -5..3: both beyond, clamped, only moved to
        {-10, 10, Kind::LineTo, 2995}, // band -50..30: 249 within, 250 clamped and joined
    };
    terms("1/x");
    for (const Case& c : cases) {
        view(-10, 10, c.ymin, c.ymax);
        draw();
        const auto path = canvas.path(pen(0));
        ASSERT_EQ(path.size(), 500u);
        EXPECT_EQ(path[249].kind, c.kind);
        EXPECT_EQ(path[249].points[0], (PixelPoint{798, c.row249}));
        EXPECT_EQ(path[250].kind, c.kind);
        EXPECT_EQ(path[250].points[0], (PixelPoint{802, -1000}));
    }
}

TEST_F(FunctionGraph, UndefinedSamplesAreJoinedStraightAcross) {
    terms("wurzel(x^2-4)"); // undefined for samples 200..299
    draw();
    const auto path = canvas.path(pen(0));
    ASSERT_EQ(path.size(), 400u);
    EXPECT_EQ(moves(path), 1u);
    EXPECT_EQ(path[199].points[0].x, 638);
    EXPECT_EQ(path[200].kind, Kind::LineTo);
    EXPECT_EQ(path[200].points[0].x, 962);
}

TEST_F(FunctionGraph, DotsSitOnePixelRightOfAndBelowTheVertex) {
    terms("x");
    state.graph.ltyp[0] = 2.5;
    draw();
    EXPECT_TRUE(canvas.path(pen(0)).empty());
    const auto dots = canvas.only(Kind::FillEllipse);
    ASSERT_EQ(dots.size(), 500u);
    // Vertex (0, 1000): centre (1, 1001); vertex (3.21, 997.996): centre (4.21, 998.996).
    EXPECT_EQ(dots[0].points, (std::vector<PixelPoint>{{-2, 998}, {4, 1004}}));
    EXPECT_EQ(dots[1].points, (std::vector<PixelPoint>{{2, 996}, {7, 1001}}));
    EXPECT_EQ(dots[1].brush, state.style.colors[0]);
    EXPECT_EQ(canvas.events.back().brush, 0); // the brush before is selected again
}

// At one twip per pixel the samples of x^2-4 with |x| < 0.79 lie below row 32767.
TEST_F(FunctionGraph, CoordinateBeyond16BitsBreaksTheLineAndDrawingGoesOn) {
    state.view.tppx = 1;
    state.view.tppy = 1;
    terms("x^2-4");
    view(-10, 10, -1, 1);
    draw();
    const auto path = canvas.path(pen(0));
    const auto last = std::find_if(path.begin(), path.end(),
                                   [](const Event& e) { return e.points[0].x == 11014; });
    ASSERT_NE(last, path.end()); // sample 229, the last one that fits
    EXPECT_EQ(last->kind, Kind::LineTo);
    EXPECT_EQ(last[1].kind, Kind::MoveTo);
    EXPECT_EQ(last[1].points[0].x, 12986); // sample 270
    EXPECT_EQ(last[2].kind, Kind::LineTo);
}

} // namespace vestrano
