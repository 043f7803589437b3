#include "params/param_arithmetic.h"

#include <tuple>

#include "param_fixture.h"
#include "params/animation.h"
#include "params/param_table.h"

namespace vestrano {
namespace {

constexpr const char* kNoNumber = "Fehlerhafte Eingabe|Die Eingabe ist keine gültige Zahl!";
constexpr const char* kCountRange =
    "Fehlerhafte Eingabe|Stützstellenanzahl muss im Bereich [2; 20000] liegen!";

class Arithmetic : public ParamFixture {
  protected:
    void SetUp() override { terms("a*x^2"); }
};

TEST_F(Arithmetic, BarPositionsGiveTheBoundsAndDecimalValues) {
    const struct {
        double lower, upper;
    } cases[] = {{-10, 10}, {-5, -1.8}, {0.1, 0.7}, {-1e-3, 3e5}};
    for (const auto& c : cases) {
        setparb(ctx, a, c.lower, c.upper);
        scrollPara(ctx, a, 0);
        EXPECT_EQ(param(a).parvalue, c.lower);
        scrollPara(ctx, a, 1000);
        EXPECT_EQ(engineValue("a"), c.upper);
    }
    // Positions between give the decimal value, without binary noise.
    setparb(ctx, a, -10, 10);
    for (const auto& [pos, value, shown] :
         {std::tuple{540, 0.8, "0,8"}, {571, 1.42, "1,42"}, {1, -9.98, "-9,98"}}) {
        scrollPara(ctx, a, pos);
        EXPECT_EQ(param(a).parvalue, value) << pos;
        EXPECT_EQ(window(a).valueText, shown);
    }
}

TEST_F(Arithmetic, TypedValuesAreKeptAndPinTheBarOutsideTheBounds) {
    const struct {
        const char* text;
        double value;
        const char* shown;
        int bar;
    } cases[] = {{"25", 25, "25", 1000},
                 {"-1E300", -1e300, "-1E+300", 0},
                 {"3,5", 3.5, "3,5", 675},
                 {"7/2", 3.5, "3,5", 675}};
    for (const auto& c : cases) {
        enterValue(ctx, a, c.text);
        EXPECT_EQ(param(a).parvalue, c.value) << c.text;
        EXPECT_EQ(window(a).valueText, c.shown);
        EXPECT_EQ(window(a).barpos, c.bar);
    }
    EXPECT_EQ(redraws.count, 4);
    EXPECT_TRUE(ui.messages.empty());
}

// The bar's change event must not put the value of its rounded place in, and a change costs
// one redraw whether the bar moves or not.
TEST_F(Arithmetic, SetparKeepsTheExactValueWithOneRedraw) {
    state.calculator.input = "a*1000";
    ASSERT_TRUE(set(a, 0.0123));
    EXPECT_EQ(engineValue("a"), 0.0123);
    EXPECT_EQ(window(a).barpos, 501);
    ASSERT_TRUE(set(a, 0.0124));
    EXPECT_EQ(window(a).barpos, 501);
    EXPECT_EQ(state.calculator.result, "12.4");
    EXPECT_EQ(redraws.count, 2);
}

TEST_F(Arithmetic, CountSlotTakesTheWholeMagnitudeWithinTheSampleRange) {
    enterValue(ctx, countF, "-7,9");
    EXPECT_EQ(engineValue("anzf"), 7.0);
    EXPECT_EQ(state.slots[0].anzx, 6);
    EXPECT_DOUBLE_EQ(state.view.slotstep[0], 20.0 / 6);
    EXPECT_EQ(window(countF).valueText, "7");
    // A count handed over directly (the graph window's width) cannot overflow.
    double wide = 1e9;
    setpar(ctx, countF, wide);
    EXPECT_EQ(wide, 20000.0);
    EXPECT_EQ(state.slots[0].anzx, 19999);
}

TEST_F(Arithmetic, RefusedInputShowsTheOldBoundsAndValueAgain) {
    chpari(ctx, a, "-5", "5");
    showParamWindow(ctx, countF);
    const std::string equal =
        "Ungültige Parametergrenzen von a:|Untere Grenze muss kleiner sein als obere Grenze!";
    const struct {
        int slot;
        const char *lower, *upper, *value;
        std::string message;
    } cases[] = {{a, "3", "3", nullptr, equal},
                 {a, "4", "3,5", nullptr, equal},
                 {a, "abc", "3", nullptr, kNoNumber},
                 {a, "1", "2+", nullptr, kNoNumber},
                 {countF, "1", "500", nullptr, kCountRange},
                 {countF, "2", "20001", nullptr, kCountRange},
                 {a, nullptr, nullptr, "abc", kNoNumber},
                 {a, nullptr, nullptr, "1/0", kNoNumber},
                 {a, nullptr, nullptr, "1E400", kNoNumber},
                 {countF, nullptr, nullptr, "1,5", kCountRange},
                 {countF, nullptr, nullptr, "-20001", kCountRange}};
    for (const auto& c : cases) {
        const ParamEntry before = param(c.slot);
        if (c.value) {
            window(c.slot).valueText = c.value;
            enterValue(ctx, c.slot, c.value);
        } else {
            chpari(ctx, c.slot, c.lower, c.upper);
        }
        EXPECT_EQ(takeMessage(), c.message);
        EXPECT_EQ(param(c.slot).parmin, before.parmin);
        EXPECT_EQ(param(c.slot).parvalue, before.parvalue);
        EXPECT_EQ(window(c.slot).lowerText, before.window.lowerText);
        EXPECT_EQ(window(c.slot).valueText, before.window.valueText);
    }
    EXPECT_EQ(window(a).upperText, "5");
}

TEST_F(Arithmetic, BoundsWhoseDistanceOverflowsAreRefused) {
    const std::string tooFar = "Fehlerhafte Eingabe|Der Abstand der Grenzen ist zu groß!";
    chpari(ctx, a, "-1E308", "1E308");
    EXPECT_EQ(takeMessage(), tooFar);
    EXPECT_EQ(param(a).parmax, 10.0);
    EXPECT_EQ(window(a).lowerText, "-10");
    EXPECT_EQ(window(a).upperText, "10");
    // The lower bounds of the integrals follow the interval, and refuse it likewise.
    showParamWindow(ctx, 0);
    setparb(ctx, 0, -1e308, 1e308);
    EXPECT_EQ(takeMessage(), tooFar);
    EXPECT_EQ(param(0).parmin, -10.0);

    // The widest distance that is a number: every bar position and timer step stays finite.
    chpari(ctx, a, "-1E308", "7E307");
    EXPECT_EQ(takeMessage(), "");
    scrollPara(ctx, a, 500);
    EXPECT_DOUBLE_EQ(param(a).parvalue, -1.5e307);
    param(a).parstep = 1.7e308;
    toggleTimer(state, ui, a);
    tick(ctx);
    EXPECT_EQ(param(a).parvalue, -1e308);
    tick(ctx);
    EXPECT_DOUBLE_EQ(param(a).parvalue, 7e307);
}

TEST_F(Arithmetic, BoundsAreTakenAsTypedAndShownRounded) {
    chpari(ctx, a, "0,123456", "a*100");
    EXPECT_EQ(param(a).parmin, 0.123456);
    EXPECT_EQ(window(a).lowerText, "0,12");
    EXPECT_EQ(window(a).barpos, 9);
    chpari(ctx, a, window(a).lowerText, window(a).upperText);
    EXPECT_EQ(param(a).parmin, 0.12);
}

TEST_F(Arithmetic, LowerBoundMustLieInTheIntervalAndIsDrawnExactly) {
    terms("integral(2*x)");
    showParamWindow(ctx, 0);
    enterValue(ctx, 0, "20");
    EXPECT_EQ(takeMessage(), "Ungültige Integrationsgrenze:|Die untere Integrationsgrenze muss "
                             "im vorgegebenen Intervall [-10 ; 10 ] liegen!");
    EXPECT_EQ(param(0).parvalue, 0.0);
    EXPECT_EQ(window(0).valueText, "20");
    redraws.count = 0;
    enterValue(ctx, 0, "0,001");
    EXPECT_EQ(state.lowerbounds[0], 0.001);
    EXPECT_EQ(engineValue("uf"), 0.001);
    EXPECT_EQ(window(0).barpos, 500);
    EXPECT_EQ(redraws.count, 1);
}

} // namespace
} // namespace vestrano
