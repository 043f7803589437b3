#include "plot/scale.h"

#include <array>

#include <gtest/gtest.h>

#include "plot/mapping.h"
#include "state/plot_state.h"
#include "terms/engine_setup.h"

namespace vestrano {

struct HelpStepCase {
    double step, span;
    int hmin, hmax;
    double expected;
};

TEST(HelpStep, HalvesOrDoublesTheRequestedStepTowardsTheBounds) {
    const HelpStepCase cases[] = {
        {0.5, 20, 10, 40, 0.5},  // 40 lines fit
        {0.5, 200, 10, 40, 4},   // 400 lines: 2^round(log2(0.1)) = 1/8
        {0.5, 2, 10, 40, 0.25},  // 4 lines become 8, still too few, left so
        {1, 3, 10, 11, 0.0625},  // 12 lines after the first test; the second reuses r = 1/3
        {-0.5, 20, 10, 40, 0.5}, // a negative step draws the same lines
        {0, 20, 10, 40, 0.5},    // a zero step must not stall the help lines
        {0.5, 20, 10, 0, 0.5},   // nor a most-lines bound of 0
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(helpStep(c.step, c.span, c.hmin, c.hmax), c.expected)
            << c.step << " on " << c.span;
    }
}

TEST(LabelFormat, DecimalsFromTheStepAtLeastKomma) {
    const struct {
        double hstep;
        int komma;
        const char* expected;
    } cases[] = {
        {0.5, 2, "0.##"},     {0.002, 2, "0.###"},
        {4, 2, "0.##"},       {1, 0, "0."}, // 0.5 rounds to the even 0
        {10, 0, "0.##"},                    // 1.5 rounds to 2
        {0.1, 0, "0.#"},                    // log(0.1)/log(10) lies just above -1
        {1e6, 0, "0.######"},               // large steps get decimals too; fmtnum drops the zeros
    };
    for (const auto& c : cases) {
        EXPECT_EQ(labelFormat(c.hstep, c.komma), c.expected) << c.hstep;
    }
}

TEST(SetScale, DerivesSpansScaleStepsAndFormats) {
    PlotState state;
    state.view.picw = 9000;
    state.view.pich = 6000;
    state.view.xmin = -100;
    state.view.xmax = 100;
    state.view.ymin = -1;
    state.view.ymax = 1;
    state.view.tmax = 5;
    state.grid.kommay = 0;
    state.graph.backgroundValid = true;
    setscale(state);

    const Viewport& v = state.view;
    EXPECT_EQ(
        (std::array{v.xspan, v.yspan, v.tspan, v.xmu, v.ymu, state.grid.hstepx, state.grid.hstepy}),
        (std::array{200.0, 2.0, 5.0, 45.0, 3000.0, 4.0, 0.25}));
    EXPECT_EQ(state.grid.fmtx, "0.##");
    EXPECT_EQ(state.grid.fmty, "0.#");
    EXPECT_DOUBLE_EQ(v.slotstep[0], 200.0 / 499);
    EXPECT_FALSE(state.graph.backgroundValid);

    state.mode = 1; // curve mode samples t with each slot's own count
    state.slots[2].anzt = 50;
    setsteps(state);
    EXPECT_DOUBLE_EQ(v.slotstep[1], 5.0 / 499);
    EXPECT_DOUBLE_EQ(v.slotstep[2], 0.1);
}

TEST(SetScale, HandsTheScaleToTheEngine) {
    PlotState state;
    setupEngine(state);
    state.view.picw = 9000;
    state.view.pich = 6000;
    state.view.xmin = -5;
    state.view.xmax = 15;
    setscale(state);
    ExprEngine& e = state.engine;
    EXPECT_EQ((std::array{e.ucEval("xmu"), e.ucEval("xmi"), e.ucEval("ymu"), e.ucEval("ymi")}),
              (std::array{450.0, -5.0, 300.0, -10.0}));
    // The wrapped term lands in twips: x = 5 is 10 units right of the left edge.
    EXPECT_EQ(e.ucEval(makemx("2+3")), 4500);
    EXPECT_EQ(e.ucEval(makemy("-10")), 0);
    EXPECT_EQ(e.ucGetError(), number(ErrorCode::None));
}

} // namespace vestrano
