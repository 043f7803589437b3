#include "plot/graph_drawing.h"

#include "plot_fixture.h"

namespace vestrano {

class Curve : public PlotFixture {
  protected:
    Curve() { state.mode = 1; }
};

TEST_F(Curve, CircleIsTracedThroughAllSamples) {
    terms("cos(t)", "sin(t)");
    view(-2, 2, -2, 2);
    draw();
    const auto path = canvas.path(pen(1));
    ASSERT_EQ(path.size(), 500u);
    EXPECT_EQ(moves(path), 1u);
    EXPECT_EQ(path[0].points[0], (PixelPoint{1200, 500}));
    for (const Event& e : path) { // radius 400 px across, 250 px up
        const double dx = (e.points[0].x - 800) / 400.0;
        const double dy = (e.points[0].y - 500) / 250.0;
        EXPECT_NEAR(dx * dx + dy * dy, 1.0, 0.01);
    }
}

// 1/(t-5) leaves the band (-5..3) below and comes back from above; 10 sin t leaves it
// (x > 6, column 3200) to the right twice and comes back.
TEST_F(Curve, IsClampedInYAndX) {
    terms("t", "1/(t-5)");
    view(0, 10, -1, 1);
    draw();
    auto path = canvas.path(pen(1));
    ASSERT_EQ(path.size(), 500u);
    EXPECT_EQ(path[249].points[0].y, 3000);
    EXPECT_EQ(path[250].kind, Kind::MoveTo);
    EXPECT_EQ(path[250].points[0].y, -1000);

    terms("10*sin(t)", "0");
    view(-2, 2, -2, 2);
    draw();
    path = canvas.path(pen(1));
    int excursions = 0;
    for (std::size_t i = 1; i + 1 < path.size(); ++i) {
        const bool out = path[i].points[0].x == 3200;
        const bool wasOut = path[i - 1].points[0].x == 3200;
        if (out != wasOut) { // the first sample out is drawn clamped, the first back joined
            excursions += out ? 1 : 0;
            EXPECT_EQ(path[i].kind, Kind::LineTo) << i;
        } else if (out) {
            EXPECT_EQ(path[i].kind, Kind::MoveTo) << i;
        }
    }
    EXPECT_EQ(excursions, 2);
}

TEST_F(Curve, EmptyXTermIsReportedOncePerTerms) {
    terms("", "t");
    draw();
    draw();
    EXPECT_EQ(ui.messages, (Messages{{"Kann gar nicht sein!", "Vestrano", MessageIcon::None}}));
    EXPECT_TRUE(canvas.path(pen(1)).empty());

    terms("", "2*t");
    draw();
    EXPECT_EQ(ui.messages.size(), 2u);
}

} // namespace vestrano
