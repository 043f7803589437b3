#include "app/calculator.h"
#include "app/calculator_layout.h"
#include "params/recalculation.h"
#include "state/general_number.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "state/plot_state.h"
#include "support/scripted_ui.h"
#include "terms/engine_setup.h"

namespace vestrano {

TEST(GeneralNum, FifteenDigitsExponentOutsideTheUsualRange) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {{-0.0, "0"},
                 {2.0 / 3, "0.666666666666667"},
                 {123456789012345, "123456789012345"},
                 {1e15, "1E+15"},
                 {1.5e20, "1.5E+20"},
                 {0.0001, "0.0001"},
                 {0.00001, "1E-05"},
                 {-1e-10, "-1E-10"},
                 {INFINITY, "unendlich"}};
    for (const auto& c : cases) {
        EXPECT_EQ(generalNumber(c.value), c.expected) << c.value;
    }
}

class Calculator : public ::testing::Test {
  protected:
    void SetUp() override { setupEngine(state); }

    std::string calc(const std::string& input) {
        state.calculator.input = input;
        docalc(state, ui);
        return state.calculator.result;
    }

    PlotState state;
    ScriptedUi ui;
};

TEST_F(Calculator, RoundsHalfToEvenAndWritesAPoint) {
    EXPECT_EQ(calc("2*pi"), "6.283");
    EXPECT_EQ(calc("1/3"), "0.333");
    EXPECT_EQ(calc("1,5*3"), "4.5");
    EXPECT_EQ(calc("0,0625"), "0.062");
    state.options.calc = 0;
    EXPECT_EQ(calc("2,5"), "2");
    EXPECT_EQ(calc("3,5"), "4");
    state.options.calc = 22;
    EXPECT_EQ(calc("1E-20"), "1E-20");
    EXPECT_TRUE(ui.messages.empty());
}

// Nothing typed is nothing to report; an unknown name is a fault of the input's syntax.
TEST_F(Calculator, UsesParametersAndReportsEngineErrors) {
    const int32_t a = state.engine.ucDefineVariable("a");
    state.engine.ucSetVariableValueDbl(a, 2);
    const struct {
        const char* input;
        const char* result;
    } cases[] = {{"a+1", "3"},
                 {"b+1", "Error: Syntax"},
                 {"1/0", "Error: Division durch 0"},
                 {"wurzel(-1)", "Error: Ungültiger Wert unter der Wurzel"},
                 {"1+", "Error: Ungültiger Term"},
                 {"", ""},
                 {"   ", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(calc(c.input), c.result) << c.input;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Calculator, ClearEmptiesInputAndResultAndTellsTheWindow) {
    calc("1/3");
    ui.changes.clear();
    clearCalc(state, ui);
    EXPECT_EQ(state.calculator.input, "");
    EXPECT_EQ(state.calculator.result, "");
    EXPECT_EQ(ui.changes, std::vector<Change>{Change::Calculator});
}

TEST_F(Calculator, BrokenInputIsReportedOnceNotOnEveryRecalculation) {
    calc("min(1;2");
    for (int move = 0; move < 3; ++move) {
        docalc(state, ui);
    }
    EXPECT_EQ(ui.messages.size(), 1u);
    calc("max(1;2");
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(Calculator, CheckroundTakesZeroTo22Decimals) {
    state.calculator.input = "1/3";
    const struct {
        const char* text;
        bool taken;
        int16_t calc;
        const char* result;
    } cases[] = {{"0", true, 0, "0"},
                 {"23", false, 0, "0"},
                 {"22", true, 22, "0.333333333333333"},
                 {"-1", false, 22, "0.333333333333333"},
                 {"1+1", true, 2, "0.33"},
                 {"abc", false, 2, "0.33"}, // not a number at all
                 {"2,5", true, 2, "0.33"}};
    for (const auto& c : cases) {
        ui.messages.clear();
        EXPECT_EQ(checkround(state, ui, c.text), c.taken) << c.text;
        EXPECT_EQ(state.options.calc, c.calc) << c.text;
        EXPECT_EQ(state.calculator.result, c.result) << c.text;
        ASSERT_EQ(ui.messages.size(), c.taken ? 0u : 1u) << c.text;
        if (!c.taken) {
            EXPECT_EQ(ui.messages[0].text, "Ungültige Stellenzahl!");
            EXPECT_EQ(ui.messages[0].title, "Stellen nach dem Komma:");
            EXPECT_EQ(ui.messages[0].icon, MessageIcon::Critical);
        }
    }
}

} // namespace vestrano
