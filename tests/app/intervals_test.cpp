#include "app/intervals.h"

#include <array>
#include <cmath>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "app/mode_switch.h"
#include "app/term_input.h"
#include "app_fixture.h"
#include "params/param_arithmetic.h"
#include "plot/einszueins.h"
#include "plot/navigation.h"
#include "state/rounding.h"

namespace vestrano {

class Intervals : public AppFixture {
  protected:
    void row(int i, const std::string& lower, const std::string& upper) {
        state.intervals.von[i] = lower;
        state.intervals.bis[i] = upper;
    }
    std::tuple<double, double> xrange() const { return {state.view.xmin, state.view.xmax}; }
};

struct RowCase {
    std::string lower, upper;
    double xmin, xmax; // afterwards; -10..10 when refused
    std::string text, title;
};

class RowInput : public Intervals, public ::testing::WithParamInterface<RowCase> {};

TEST_P(RowInput, TakesReadableOrderedBoundsAndRefusesTheRest) {
    const RowCase& c = GetParam();
    row(0, c.lower, c.upper);
    EXPECT_EQ(vonenter(ctx, 0), c.text.empty());
    EXPECT_DOUBLE_EQ(state.view.xmin, c.xmin);
    EXPECT_DOUBLE_EQ(state.view.xmax, c.xmax);
    EXPECT_DOUBLE_EQ(state.view.xspan, c.xmax - c.xmin);
    if (c.text.empty()) {
        EXPECT_TRUE(ui.messages.empty());
        return;
    }
    EXPECT_EQ(ui.messages, (Messages{{c.text, c.title, MessageIcon::Critical}}));
    // The texts stay as typed.
    EXPECT_EQ(state.intervals.von[0], c.lower);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowInput,
    ::testing::Values(
        RowCase{"-1", "1,5", -1, 1.5, "", ""}, RowCase{"pi", "2*pi", M_PI, 2 * M_PI, "", ""},
        RowCase{"2", "2", -10, 10,
                "Beim x-Bereich muss die untere Grenze kleiner als die obere Grenze sein!",
                "Falsche Reihenfolge"},
        RowCase{"3*", "5", -10, 10, "Unverständliche Eingabe für die untere Grenze vom x-Bereich!",
                "Fehlerhafte Eingabe"},
        RowCase{"0", "1/0", -10, 10, "Unverständliche Eingabe für die obere Grenze vom x-Bereich!",
                "Fehlerhafte Eingabe"},
        RowCase{"-1E308", "1E308", -10, 10, "Beim x-Bereich ist der Abstand der Grenzen zu groß!",
                "Fehlerhafte Eingabe"}));

TEST_F(Intervals, TheBoxesAndTheLowerBoundsFollowTheView) {
    EXPECT_EQ(std::tie(state.intervals.von[0], state.intervals.bis[0]),
              std::make_tuple(std::string("-10"), std::string("10")));
    EXPECT_EQ(state.intervals.von[1], "-6,25"); // 1:1 on 1600 x 1000 pixels
    EXPECT_EQ(std::tie(state.intervals.von[2], state.intervals.bis[2]),
              std::make_tuple(std::string("0"), std::string("10")));
    const int before = state.intervals.revision;
    scrlr(ctx, 1);
    scrlr(ctx, 1);
    EXPECT_GT(state.intervals.revision, before);
    EXPECT_EQ(state.intervals.von[0], "-9,6");
    EXPECT_EQ(state.intervals.bis[0], "10,4");
    for (int s = 0; s < 3; ++s) {
        const ParamEntry& p = state.params[s];
        EXPECT_EQ(std::tie(p.window.lowerText, p.window.upperText),
                  std::make_tuple(std::string("-9,6"), std::string("10,4")))
            << "slot " << s;
        EXPECT_DOUBLE_EQ(p.parmin, -9.6);
    }
    scrud(ctx, -5);
    EXPECT_EQ(state.intervals.bis[1], "5,62"); // 5,625 to two decimals, the half to even
}

TEST_F(Intervals, ALowerBoundOutsideTheNewRangeMovesToItsMiddle) {
    double uf = -8;
    ASSERT_TRUE(setpar(ctx, 0, uf));
    double ug = 25;
    EXPECT_FALSE(setpar(ctx, 1, ug)); // outside -10..10 as yet
    ui.messages.clear();
    state.lowerbounds[1] = 25;
    row(0, "20", "40");
    vonbis(ctx);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_DOUBLE_EQ(state.lowerbounds[0], 30);
    EXPECT_DOUBLE_EQ(state.lowerbounds[1], 25); // already inside
    EXPECT_DOUBLE_EQ(state.params[0].parvalue, 30);
    EXPECT_EQ(state.params[0].window.valueText, "30");
    EXPECT_EQ(state.params[0].window.barpos, 500);
    EXPECT_EQ(state.params[1].window.barpos, 250);
    // The widest range the boxes take still has a middle.
    row(0, "-8E307", "8E307");
    vonbis(ctx);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_DOUBLE_EQ(state.lowerbounds[0], 30);
    state.lowerbounds[0] = 1E308;
    updatestamm(ctx);
    EXPECT_DOUBLE_EQ(state.lowerbounds[0], 0);
}

TEST_F(Intervals, ARestrictionWithAParameterFindsItAndFollowsItsValue) {
    term(0, "x");
    findandget(ctx, true);
    row(3, "0", "a");
    vonbis(ctx);
    EXPECT_EQ(state.intervaltext, "(0)+(a)");
    const int a = paramSlot("a");
    ASSERT_EQ(a, kFirstFreeParam);
    EXPECT_TRUE(state.params[a].window.visible);
    EXPECT_EQ(state.status.text, "Ok.");
    EXPECT_TRUE(ui.messages.empty());

    double three = 3;
    setpar(ctx, a, three);
    const double step = state.view.slotstep[0];
    const auto index = [&](double x) { return static_cast<int32_t>(roundEven((x + 10) / step)); };
    EXPECT_EQ(state.slots[0].drawrange, (std::array<int32_t, 2>{index(0), index(3)}));
    // The wrong way round, and a bound that cannot be read, which leaves that end open.
    row(3, "5", "1");
    redrawGraph(ctx);
    EXPECT_EQ(state.slots[0].drawrange, (std::array<int32_t, 2>{index(1), index(5)}));
    row(3, "-0,5", "pi");
    redrawGraph(ctx);
    EXPECT_EQ(state.slots[0].drawrange, (std::array<int32_t, 2>{index(-0.5), index(M_PI)}));
    row(3, "2*", "1");
    redrawGraph(ctx);
    EXPECT_EQ(state.slots[0].drawrange, (std::array<int32_t, 2>{0, index(1)}));
    EXPECT_TRUE(ui.messages.empty());

    // A cleared restriction takes its parameter with it.
    row(3, "", "");
    vonbis(ctx);
    EXPECT_EQ(state.intervaltext, "");
    EXPECT_EQ(paramSlot("a"), -1);
    EXPECT_EQ(state.slots[0].drawrange, (std::array<int32_t, 2>{0, state.slots[0].anzx}));
}

TEST_F(Intervals, AnUnreadableRestrictionLeavesTheOtherParametersAndTheStatusAlone) {
    row(3, "(b", "c*");
    row(4, "d", "");
    vonbis(ctx);
    EXPECT_EQ(state.intervaltext, "(d)");
    EXPECT_EQ(state.status.text, "Ok.");
    EXPECT_GE(paramSlot("d"), 0);
}

TEST_F(Intervals, PresetsAndEqualScales) {
    presetRow(ctx, 0);
    presetRow(ctx, 2);
    EXPECT_EQ(xrange(), std::make_tuple(-5.0, 5.0));
    EXPECT_EQ(std::tie(state.view.tmin, state.view.tmax), std::make_tuple(0.0, 10.0));
    EXPECT_EQ(state.intervals.von[0], "-5");
    // 1:1 on an area twice as wide as high: y follows x about its centre.
    state.view.pich = 12000;
    row(0, "-10", "10");
    row(1, "-10", "10");
    vonbis(ctx);
    einszueins(ctx, 1);
    EXPECT_EQ(std::tie(state.view.ymin, state.view.ymax), std::make_tuple(-5.0, 5.0));
    EXPECT_EQ(std::tie(state.intervals.von[1], state.intervals.bis[1]),
              std::make_tuple(std::string("-5"), std::string("5")));
    einszueins(ctx, 2);
    EXPECT_EQ(xrange(), std::make_tuple(-10.0, 10.0));
}

TEST_F(Intervals, TheModeSwitchMovesACurveLowerBoundIntoTheTRange) {
    state.lowerbounds[3] = 12; // uf of curve mode, outside 0..10
    const int before = state.intervals.revision;
    chooseMode(ctx, 1);
    EXPECT_GT(state.intervals.revision, before);
    EXPECT_DOUBLE_EQ(state.lowerbounds[3], 5);
    EXPECT_EQ(state.params[0].window.upperText, "10");
}

} // namespace vestrano
