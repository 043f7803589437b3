#include "plot/integral_drawing.h"

#include <cmath>

#include "plot/mapping.h"
#include "plot_fixture.h"

namespace vestrano {

class Integral : public PlotFixture {
  protected:
    // The two directions drawn with a slot's pen, each starting with its move.
    std::array<std::vector<Event>, 2> directions(int slot) const {
        std::array<std::vector<Event>, 2> result;
        int dir = -1;
        for (const Event& e : canvas.path(pen(slot))) {
            dir += e.kind == Kind::MoveTo ? 1 : 0;
            result.at(static_cast<std::size_t>(dir)).push_back(e);
        }
        return result;
    }

    double row(double y) const { return pixelRow(state.view, twipsY(state, y)); }

    // Every point lies on y = x + offset, within the rounding of both coordinates.
    void expectLine(const std::vector<Event>& events, double offset) const {
        for (const Event& e : events) {
            const double x = e.points[0].x * state.view.tppx / state.view.xmu + state.xmin;
            EXPECT_NEAR(e.points[0].y, row(x + offset), 1.0) << e.points[0].x;
        }
    }
};

// The lower bound 0 has the index 249.5; n samples out on either side the left Riemann sum
// of 2x is sw^2 n (n - 1).
TEST_F(Integral, IntegralOfTwoXIsTheLeftRiemannSum) {
    terms("integral(2*x)");
    view(-10, 10, -10, 110);
    draw();
    const double sw = 20.0 / 499;
    const auto both = directions(0);
    for (int d = 0; d < 2; ++d) {
        ASSERT_EQ(both[d].size(), 250u);
        for (int n = 0; n < 250; ++n) {
            const PixelPoint p = both[d][n].points[0];
            const double column = 1600 * (249.5 + (d == 0 ? n : -n)) / 499;
            EXPECT_EQ(p.x, std::nearbyint(column)) << n;
            EXPECT_NEAR(p.y, row(sw * sw * n * (n - 1)), 0.51) << n;
        }
    }
    EXPECT_EQ(both[0].back().points[0], (PixelPoint{1598, 90})); // 99.2 at x = 9.98
}

TEST_F(Integral, AntiderivativeOfOneIsALineThroughTheLowerBound) {
    const struct {
        double bound;
        std::size_t right, left;                // samples drawn in each direction
    } cases[] = {{3, 175, 325}, {-15, 499, 0}}; // -15: index -124.75, drawn from 0.25 on
    for (const auto& c : cases) {
        state.lowerbounds[1] = c.bound;
        terms("1", "F(x)");
        draw();
        const auto both = directions(1);
        EXPECT_EQ(both[0].size(), c.right);
        EXPECT_EQ(both[1].size(), c.left);
        expectLine(both[0], -c.bound);
        expectLine(both[1], -c.bound);
    }
}

// 1E-10: each step of 1E10 * sw = 4.0E8 passes the test 24 times per direction.
TEST_F(Integral, AccumulationStopsBeforeTheValueLeavesTheLimit) {
    const std::pair<const char*, std::size_t> cases[] = {{"1E-10", 48}, {"1E-9", 4}};
    terms("integral(1E10)");
    for (const auto& [limit, drawn] : cases) {
        state.graph.inflimit = limit;
        draw();
        EXPECT_EQ(canvas.path(pen(0)).size(), drawn) << limit;
    }
}

// After step k the point pairs x(a + k sw) with the integral up to a + (k + 1) sw; the
// engine error of 1/t at the lower bound 0 ends both directions with one message.
TEST_F(Integral, CurveIntegralIsDrawnAgainstXAndErrorsAreReportedOnce) {
    state.mode = 1;
    terms("t", "integral(1)", "integral(1/t)");
    view(0, 10, -10, 10);
    draw();
    draw();
    auto right = directions(1)[0];
    EXPECT_EQ(right[0].points[0], (PixelPoint{0, 500}));
    right.erase(right.begin());
    expectLine(right, 10.0 / 499);
    EXPECT_TRUE(canvas.path(pen(2)).empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Bei Integralfkt im Kurvenmodus unmöglicher Fehler Division durch 0");
}

} // namespace vestrano
