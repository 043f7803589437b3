#include <cmath>
#include <numbers>

#include <gmock/gmock.h>

#include "points_fixture.h"
#include "settings/angle_mode.h"

namespace vestrano {

namespace {

constexpr double pi = std::numbers::pi;

using PointsRules = PointsFixture;
using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pointwise;

TEST_F(PointsRules, IntersectionsCrossingAndTouchingButNotAtAPole) {
    terms("x^2", "x+2", "2*x-1");
    const PointsResult r = find(-10, 10);
    const auto fg = only(r, "f,g", PointKind::Schnittpunkt);
    ASSERT_EQ(fg.size(), 2u);
    EXPECT_DOUBLE_EQ(fg[0].x, -1);
    EXPECT_DOUBLE_EQ(fg[0].y, 1);
    EXPECT_DOUBLE_EQ(fg[1].x, 2);
    EXPECT_DOUBLE_EQ(fg[1].y, 4);
    // x^2 and its tangent at 1 touch without crossing.
    const auto fh = only(r, "f,h", PointKind::Schnittpunkt);
    ASSERT_EQ(fh.size(), 1u);
    EXPECT_NEAR(fh[0].x, 1, 1e-7);
    EXPECT_NEAR(fh[0].y, 1, 1e-7);
    EXPECT_THAT(xs(only(r, "g,h", PointKind::Schnittpunkt)), ElementsAre(DoubleNear(3, 1e-12)));

    terms("1/x", "0");
    EXPECT_THAT(only(find(-10, 10), "f,g", PointKind::Schnittpunkt), IsEmpty());
}

TEST_F(PointsRules, SortedByGraphThenXWithTheKindsAtOneX) {
    terms("x^2-2*x", "x-1", "1");
    const PointsResult r = find(-3, 3);
    std::vector<std::string> seen;
    for (const PointOfInterest& p : r.points) {
        seen.push_back(p.graph + " " + std::string(pointKindName(p.kind)));
    }
    EXPECT_THAT(seen, ElementsAre("f Nullstelle", "f y-Achsenabschnitt", "f Tiefpunkt",
                                  "f Nullstelle", "g y-Achsenabschnitt", "g Nullstelle",
                                  "h y-Achsenabschnitt", "f,g Schnittpunkt", "f,g Schnittpunkt",
                                  "f,h Schnittpunkt", "f,h Schnittpunkt", "g,h Schnittpunkt"));
}

// A teacher reads 0 where rounding left 7e-14 or -6e-13, and the minimum at 0 comes first.
TEST_F(PointsRules, WhatRoundingLeavesOfZeroReadsAsZero) {
    terms("x^2-4", "sin(x)", "");
    const PointsResult r = find(-10, 10);
    const auto low = only(r, "f", PointKind::Tiefpunkt);
    ASSERT_EQ(low.size(), 1u);
    EXPECT_EQ(low[0].x, 0);
    EXPECT_EQ(low[0].y, -4);
    ASSERT_GE(r.points.size(), 2u);
    EXPECT_EQ(r.points[1].kind, PointKind::Tiefpunkt);
    for (const PointOfInterest& p : only(r, "g", PointKind::Wendepunkt)) {
        EXPECT_EQ(p.y, 0) << p.x;
    }
}

TEST_F(PointsRules, ConstantsAndPiecesThatVanishOrCoincideGiveNoPoints) {
    terms("3", "sin(x)^2+cos(x)^2");
    const PointsResult flat = find(-10, 10);
    EXPECT_THAT(xs(flat.points), ElementsAre(0, 0)); // the two y-intercepts
    EXPECT_THAT(only(flat, "f,g", PointKind::Schnittpunkt), IsEmpty());

    // Zero in exact arithmetic, rounding noise of 1e-16 in the engine's.
    terms("sin(x)^2+cos(x)^2-1", "(x+1)^2-x^2-2*x-1");
    EXPECT_THAT(xs(find(-10, 10).points), ElementsAre(0, 0)); // the y-intercepts
    terms("(x+1)^2", "x^2+2*x+1");
    EXPECT_THAT(only(find(-10, 10), "f,g", PointKind::Schnittpunkt), IsEmpty());

    // Zero on [-10, 0] and then x - 1: one zero, at 1. The other equals x on [0, 10]: no
    // intersection with x there, and none before, where it is x^2.
    terms("wenn(x<0;0;x-1)", "wenn(x<0;x^2;x)", "x");
    const PointsResult pieces = find(-10, 10);
    EXPECT_THAT(xs(only(pieces, "f", PointKind::Nullstelle)), ElementsAre(1));
    EXPECT_THAT(only(pieces, "g,h", PointKind::Schnittpunkt), IsEmpty());
    EXPECT_THAT(xs(only(pieces, "g", PointKind::Nullstelle)), ElementsAre(0));
}

// A straight line near x = 0, where the grid's rounding (that of its ends) is far above that
// of x: no inflection points from the jitter of its second differences.
TEST_F(PointsRules, ALineHasOnlyItsZeroAndItsInterceptAlsoNearZero) {
    // The central quotient: the zero at 0, not half the drawing's step to the left.
    terms("x^2", "f'(x)");
    const PointsResult r = find(-10, 10);
    EXPECT_THAT(xs(only(r, "g", PointKind::Nullstelle)), ElementsAre(DoubleNear(0, 1e-9)));
    EXPECT_THAT(only(r, "g", PointKind::Wendepunkt), IsEmpty());
    EXPECT_EQ(r.points.size(), 3u + 2u + 2u); // f: zero, minimum, intercept; g; f,g
}

TEST_F(PointsRules, OnlyPointsStrictlyInsideTheInterval) {
    terms("x^2-1", "x");
    const PointsResult r = find(-1, 1);
    EXPECT_THAT(only(r, "f", PointKind::Nullstelle), IsEmpty());
    EXPECT_THAT(xs(only(r, "f", PointKind::Tiefpunkt)), ElementsAre(DoubleNear(0, 1e-12)));
    EXPECT_THAT(only(find(0, 5), "g", PointKind::YAchsenabschnitt), IsEmpty());
    EXPECT_THAT(only(find(0, 5), "g", PointKind::Nullstelle), IsEmpty());
}

TEST_F(PointsRules, TheDrawingRestrictionCutsTheIntervalWithTheParameterAsItIs) {
    state.intervals.von[kFirstRestrictionRow] = "a";
    state.intervals.bis[kFirstRestrictionRow] = "0";
    state.intervaltext = "a";
    terms("sin(x)", "cos(x)");
    param("a", 4);
    const PointsResult r = find(-10, 10);
    EXPECT_THAT(xs(only(r, "f", PointKind::Nullstelle)), ElementsAre(DoubleNear(pi, 1e-12)));
    EXPECT_THAT(only(r, "f", PointKind::YAchsenabschnitt), IsEmpty());
    EXPECT_THAT(xs(only(r, "f,g", PointKind::Schnittpunkt)),
                ElementsAre(DoubleNear(pi / 4, 1e-12), DoubleNear(5 * pi / 4, 1e-12)));
    EXPECT_EQ(only(r, "g", PointKind::Nullstelle).size(), 6u); // g is not restricted
    param("a", 7);
    EXPECT_EQ(only(find(-10, 10), "f", PointKind::Nullstelle).size(), 2u);
}

TEST_F(PointsRules, AtMost500PerGraphAndKindTheRestCounted) {
    terms("sin(200*x)");
    const PointsResult r = find(-10, 10);
    const auto zeros = only(r, "f", PointKind::Nullstelle);
    ASSERT_EQ(zeros.size(), 500u);
    EXPECT_NEAR(zeros.front().x, -636 * pi / 200, 1e-12);
    EXPECT_EQ(only(r, "f", PointKind::Hochpunkt).size(), 500u);
    EXPECT_EQ(only(r, "f", PointKind::Tiefpunkt).size(), 500u);
    EXPECT_EQ(only(r, "f", PointKind::Wendepunkt).size(), 500u);
    // 1273 zeros and inflection points, 637 maxima and 637 minima.
    EXPECT_EQ(r.leftOut, 773 + 137 + 137 + 773);
}

TEST_F(PointsRules, TheAngleUnitApplies) {
    setAngleMode(state, 2);
    terms("sin(x)");
    const PointsResult r = find(-400, 400);
    EXPECT_THAT(xs(only(r, "f", PointKind::Nullstelle)),
                ElementsAre(DoubleNear(-360, 1e-9), DoubleNear(-180, 1e-9), 0,
                            DoubleNear(180, 1e-9), DoubleNear(360, 1e-9)));
    EXPECT_THAT(xs(only(r, "f", PointKind::Hochpunkt)),
                ElementsAre(DoubleNear(-270, 1e-5), DoubleNear(90, 1e-5)));
}

TEST_F(PointsRules, APointTheEngineRefusesIsNeverListed) {
    // Each divides by zero at a zero of the rest: on the grid (xmax 10) or between its points.
    struct Case {
        const char* term;
        double xmax;
        std::vector<double> zeros;
    };
    const Case cases[] = {{"(x-1)^2/(x-1)", 10, {}},
                          {"(x-1)^2/(x-1)", 10.001, {}},
                          {"(x^2-2)*(x-wurzel(2))/(x-wurzel(2))", 10, {-std::sqrt(2.0)}},
                          {"(x^2-2)*(x-wurzel(2))/(x-wurzel(2))", 9.7, {-std::sqrt(2.0)}},
                          {"sin(x)*x/x", 10.001, {-3 * pi, -2 * pi, -pi, pi, 2 * pi, 3 * pi}}};
    for (const Case& c : cases) {
        terms(c.term);
        EXPECT_THAT(xs(only(find(-10, c.xmax), "f", PointKind::Nullstelle)),
                    Pointwise(DoubleNear(1e-12), c.zeros))
            << c.term << " " << c.xmax;
    }
    EXPECT_EQ(state.engine.ucGetError(), 0);
}

TEST_F(PointsRules, OnlyDrawnFunctionSlotsAreAnalysed) {
    terms("x", "x-1", "integral(x)");
    state.slots[1].visible = false;
    const PointsResult r = find(-10, 10);
    EXPECT_THAT(xs(r.points), ElementsAre(0, 0)); // f's zero and y-intercept
    state.mode = 1;
    EXPECT_THAT(find(-10, 10).points, IsEmpty());
}

} // namespace

} // namespace vestrano
