#include "plot/integral_drawing.h"

#include <algorithm>
#include <cmath>

#include "plot/expr_pass.h"
#include "plot/mapping.h"
#include "plot/sample_drawing.h"
#include "plot_fixture.h"

namespace vestrano {

namespace {

// One direction of stammf as the plotter has always walked it: the engine evaluates the
// finiteness test and the step text for every single step.
void stepwise(PlotState& state, Canvas& canvas, const std::string& step, double a, int dir) {
    ExprEngine& engine = state.engine;
    const EngineHandles& h = state.handles;
    const GraphState& g = state.graph;
    const Viewport& v = state.view;
    const auto [first, last] = state.slots[0].drawrange;
    ExprPass pass(engine);
    const int32_t test = ifdl(state, pass, step);
    const int32_t next = pass.parse(step);
    double idx = (a - state.view.xmin) * g.curnx / v.xspan;
    double sampley = -state.view.ymin * v.ymu;
    engine.ucSetVariableValueDbl(h.modevar, a);
    engine.ucSetVariableValueDbl(h.qq, 0);
    SampleTrace trace;
    trace.lasty = sampley;
    bool failed = false;
    for (int k = 0; !failed; k += dir) {
        const bool finite = engine.ucEvaluate(test) != 0;
        failed = engine.ucGetError() != number(ErrorCode::None);
        if (!finite) {
            return;
        }
        clampY(trace, sampley, g.yclip);
        trace.skip = trace.skip || idx > last || idx < first;
        if (!trace.skip && !drawSample(state, canvas, trace, 0, v.picw * idx / g.curnx / v.tppx,
                                       (v.pich - sampley) / v.tppy)) {
            return;
        }
        engine.ucSetVariableValueDbl(h.modevar, a + k * g.curstep);
        const double value = engine.ucEvaluate(next);
        failed = failed || engine.ucGetError() != number(ErrorCode::None);
        engine.ucSetVariableValueDbl(h.qq, value);
        sampley = (value - state.view.ymin) * v.ymu;
        idx += dir;
        if (dir > 0 ? idx > last : idx < first) {
            return;
        }
    }
}

} // namespace

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

    double row(double y) const { return pixelRow(state.view, twipsY(state.view, y)); }

    // Every point lies on y = x + offset, within the rounding of both coordinates.
    void expectLine(const std::vector<Event>& events, double offset) const {
        for (const Event& e : events) {
            const double x = e.points[0].x * state.view.tppx / state.view.xmu + state.view.xmin;
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

// The walk evaluates the integrand a block at a time, yet draws what the step-by-step walk
// draws: the same sum in the same order, stopped at the same step by the finiteness test or an
// engine error, clamped the same way on entering the view, from near and far lower bounds.
TEST_F(Integral, BlockWalkDrawsWhatTheStepwiseWalkDraws) {
    const struct {
        const char* term;
        double bound, xmin, xmax, ymin, ymax;
        int16_t intervals;
        const char* inflimit;
    } cases[] = {
        {"integral(2*x)", 0, -10, 10, -10, 110, 499, "1E-10"},
        {"integral(1/x)", -5, -10, 10, -5, 5, 400, "1E-10"},    // stops at the pole x = 0
        {"integral(exp(x))", -10, -10, 10, -5, 5, 499, "1E-3"}, // stops past 999
        // the step past x = 1 is too large: the sample before it is still drawn
        {"integral(wenn(x<1;1;1E12))", 0, -10, 10, -5, 5, 499, "1E-10"},
        // leaves the band just as it enters the view: drawn once, at the clamp line
        {"integral(3)", -20, -10, 10, -10, 10, 499, "1E-10"},
        {"integral(100*cos(x))", -14, -10, 10, -1, 1, 1599, "1E-10"},
        {"integral(x^2/3-x)", 0, 10, 10.01, 150, 300, 1599, "1E-10"},
        {"integral(x^2/3-x)", 20, 10, 10.01, -800, 0, 1599, "1E-10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.term) + " from " + std::to_string(c.bound));
        state.slots[0].anzx = c.intervals;
        state.lowerbounds[0] = c.bound;
        state.graph.inflimit = c.inflimit;
        terms(c.term);
        view(c.xmin, c.xmax, c.ymin, c.ymax);
        draw();
        const std::vector<Event> walked = canvas.path(pen(0));
        RecordingCanvas expected;
        expected.selectPen(pen(0));
        const std::string& integrand = state.slots[0].integrand;
        stepwise(state, expected, "qq+sw*" + integrand, c.bound, 1);
        stepwise(state, expected, "qq-sw*" + integrand, c.bound, -1);
        const std::vector<Event> stepped = expected.path(pen(0));
        EXPECT_FALSE(stepped.empty());
        ASSERT_EQ(walked.size(), stepped.size());
        for (std::size_t i = 0; i < walked.size(); ++i) {
            ASSERT_EQ(walked[i].kind, stepped[i].kind) << i;
            ASSERT_EQ(walked[i].points, stepped[i].points) << i;
            ASSERT_EQ(walked[i].exact, stepped[i].exact) << i; // to the last bit
        }
    }
}

// Zoomed in far from the lower bound the walk to the view is long, a million steps here, and
// the integral is drawn all the same. A bound too far to walk to is said in the status
// line while it lasts.
TEST_F(Integral, LongWalksAreDrawnAndTooLongOnesAreReported) {
    state.slots[0].anzx = 1599;
    terms("integral(1)");
    view(10, 10.015625, 10, 10.015625);
    draw();
    const auto both = directions(0);
    EXPECT_EQ(both[0].size(), 1600u);
    EXPECT_TRUE(both[1].empty());
    expectLine(both[0], 0);
    EXPECT_EQ(state.status.text, "Ok.");

    ui.changes.clear();
    view(1e6, 1e6 + 0.015625, 1e6, 1e6 + 0.015625); // 1E11 steps away
    draw();
    draw();
    EXPECT_TRUE(canvas.path(pen(0)).empty());
    EXPECT_EQ(state.status.text, "f(x): Untere Grenze zu weit vom Zeichenbereich entfernt");
    EXPECT_EQ(state.status.color, kErrorColor);
    EXPECT_EQ(std::count(ui.changes.begin(), ui.changes.end(), Change::Status), 1);

    view(10, 10.015625, 10, 10.015625);
    draw();
    EXPECT_EQ(canvas.path(pen(0)).size(), 1600u);
    EXPECT_EQ(state.status.text, "Ok.");
    EXPECT_EQ(state.status.color, kButtonFaceColor);

    state.mode = 1;
    state.lowerbounds[4] = -1e7; // y1(t) from t = -1E7: 5E8 steps up to tmax = 10
    terms("t", "integral(1)");
    draw();
    EXPECT_EQ(state.status.text, "y1(t): Untere Grenze zu weit vom Zeichenbereich entfernt");
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
