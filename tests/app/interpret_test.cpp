#include "app/interpretall.h"

#include <algorithm>
#include <array>
#include <tuple>

#include <gtest/gtest.h>

#include "state/plot_state.h"
#include "state/program_context.h"
#include "support/scripted_ui.h"

namespace vestrano {
namespace {

class Interpret : public ::testing::Test {
  protected:
    PlotState state;
    ScriptedUi ui;

    bool run(const std::string& f, const std::string& g = "", const std::string& h = "") {
        state.slots[0].text = f;
        state.slots[1].text = g;
        state.slots[2].text = h;
        return interpretall(state, ui);
    }
    const ParamEntry& param(int s) const { return state.params[s]; }
    // A term with 22 parameters, one more than there are free slots.
    static std::string tooManyParameters() {
        std::string term = "x";
        for (char c = 'a'; c <= 'v'; ++c) {
            term += std::string("+k") + c;
        }
        return term;
    }
    double eval(const std::string& text) { return state.engine.ucEval(text); }
};

TEST_F(Interpret, ParametersKeepTheirSlotAndValueAcrossEdits) {
    ASSERT_TRUE(run("a*x^2+b"));
    EXPECT_EQ(param(8).parname, "a");
    EXPECT_EQ(param(9).parname, "b");
    EXPECT_EQ(std::tie(param(9).parvalue, param(9).parmin, param(9).parmax),
              std::make_tuple(1.0, -10.0, 10.0));
    EXPECT_TRUE(param(8).window.visible);
    EXPECT_EQ(param(10).parhandle, -1);
    EXPECT_EQ(state.status.text, "Ok.");
    EXPECT_EQ(state.status.color, kButtonFaceColor);

    state.params[8].parvalue = 3;
    ASSERT_TRUE(run("a*x+c"));
    EXPECT_EQ(param(8).parname, "a");
    EXPECT_EQ(param(8).parvalue, 3.0);
    EXPECT_EQ(param(9).parname, "c");
    EXPECT_EQ(param(9).parvalue, 1.0);
    EXPECT_DOUBLE_EQ(eval("f(2)"), 7.0);

    ASSERT_TRUE(run("x"));
    EXPECT_EQ(param(8).parhandle, -1);
    EXPECT_EQ(param(8).parname, "");
    EXPECT_FALSE(param(8).window.visible);
}

TEST_F(Interpret, NamesAreLowerCasedAndFillBringsDensity) {
    ASSERT_TRUE(run("A*x", "fill"));
    EXPECT_EQ(param(8).parname, "a");
    const ParamEntry& density = param(9);
    EXPECT_EQ(std::tie(density.parname, density.parvalue, density.parmin, density.parmax),
              std::make_tuple("dichte", 25.0, 25.0, 1025.0));
}

TEST_F(Interpret, ArithmeticErrorsPassSyntaxErrorsAreReported) {
    ASSERT_TRUE(run("1/(x-1)", "", "wurzel(-x)"));
    EXPECT_EQ(state.status.text, "Ok.");
    EXPECT_EQ(state.slots[0].engtext, "1/(x-1)");

    ASSERT_TRUE(run("x", "2*)x"));
    EXPECT_EQ(state.status.text.rfind("g(x): ", 0), 0u) << state.status.text;
    EXPECT_EQ(state.status.color, kErrorColor);
    EXPECT_EQ(state.slots[1].engtext, "");

    ASSERT_TRUE(run("a:b"));
    EXPECT_EQ(state.slots[0].engtext, "a/b");
}

TEST_F(Interpret, SlotsMayReferToEachOtherInAnyOrder) {
    ASSERT_TRUE(run("g(x)+1", "h(x)*2", "x^2"));
    EXPECT_EQ(state.status.text, "Ok.");
    EXPECT_DOUBLE_EQ(eval("f(3)"), 19.0);
}

// These used to read "Ok." while nothing could be drawn.
TEST_F(Interpret, SlotCallingItselfIsReportedNotOk) {
    struct Case {
        std::string f, g, h, status;
    };
    const Case cases[] = {
        {"f(x)+1", "2*x", "", "f(x): Rekursive Definition: f"},
        {"f'(x)", "", "", "f(x): Rekursive Definition: f"},
        {"g(x)", "f(x)", "x", "f(x): Rekursive Definition: g; g(x): Rekursive Definition: f"},
        {"f(x)*2", "", "f(x)", "f(x): Rekursive Definition: f; h(x): Rekursive Definition: f"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(run(c.f, c.g, c.h));
        EXPECT_EQ(state.status.text, c.status) << c.f;
        EXPECT_EQ(state.status.color, kErrorColor);
        EXPECT_EQ(state.slots[0].engtext, "") << c.f;
    }
    // The slots outside the cycle keep working.
    ASSERT_TRUE(run("x^2", "g(x)+f(x)", "f(x)+1"));
    EXPECT_EQ(state.status.text, "g(x): Rekursive Definition: g");
    EXPECT_EQ(state.slots[1].engtext, "");
    EXPECT_DOUBLE_EQ(eval("f(3)+h(3)"), 19.0);
}

// The second Enter on the same term used to report "Faktorieller Überlauf" once "a" was 1.
TEST_F(Interpret, FactorialOverflowIsAnArithmeticError) {
    ASSERT_TRUE(run("x/a/(e^6)!"));
    EXPECT_EQ(state.status.text, "Ok.");
    ASSERT_TRUE(run("x/a/(e^6)!"));
    EXPECT_EQ(state.status.text, "Ok.");
    state.additional.linestext = "y=(x+200)!";
    ASSERT_TRUE(run("(x+200)!"));
    EXPECT_EQ(state.status.text, "Ok.");
    EXPECT_EQ(state.slots[0].engtext, "(x+200)!");
}

TEST_F(Interpret, ParametersOfLinesPointsAndIntervalsAreFound) {
    state.additional.linestext = "y=m*x+t\r\nx=k";
    state.intervaltext = "x>u";
    ASSERT_TRUE(run("x"));
    EXPECT_EQ(
        (std::array{param(8).parname, param(9).parname, param(10).parname, param(11).parname}),
        (std::array<std::string, 4>{"m", "t", "k", "u"}));
}

TEST_F(Interpret, IntegralFunctionNeedsTheFirstSlot) {
    ASSERT_TRUE(run("x", "F(x)*2"));
    EXPECT_EQ(state.slots[1].integrand, "1");
    ASSERT_TRUE(run("", "F(x)*2"));
    EXPECT_EQ(state.slots[1].engtext, "");
    ASSERT_TRUE(run("integral(2*x)"));
    EXPECT_EQ(state.slots[0].integrand, "(2*x)");
}

TEST_F(Interpret, CalculatorAndScaleFollowEveryRun) {
    state.calculator.input = "a+1";
    state.view.picw = 24000;
    state.view.pich = 15000;
    ASSERT_TRUE(run("a*x"));
    EXPECT_EQ(state.calculator.result, "2");
    EXPECT_DOUBLE_EQ(state.view.xmu, 1200.0);
    EXPECT_DOUBLE_EQ(eval("xmu*ymu"), 1200.0 * 750.0);
}

// The parameters found take their values one by one; the calculator is worked out once, with
// all of them.
TEST_F(Interpret, TheCalculatorFollowsOnceAtTheEnd) {
    state.calculator.input = "a+b";
    state.slots[0].text = "a*x+b";
    ProgramContext ctx{state, ui};
    ASSERT_TRUE(interpretall(ctx));
    EXPECT_EQ(std::count(ui.changes.begin(), ui.changes.end(), Change::Calculator), 1);
    EXPECT_EQ(state.calculator.result, "2");
}

TEST_F(Interpret, MoreThanTwentyOneParametersAreRefused) {
    EXPECT_FALSE(run(tooManyParameters()));
    EXPECT_EQ(ui.messages,
              (Messages{{"Fehler: mehr als 28 Parameter!", "Vestrano", MessageIcon::Critical}}));
    EXPECT_EQ(param(28).parname, "ku");
    EXPECT_EQ(state.busy, 0);
    // Nothing is drawn from half-defined terms.
    EXPECT_EQ(state.slots[0].engtext, "");
}

// Every click into a line interprets again; the boxes used to come back each time and swallow
// the typing.
TEST_F(Interpret, AMessageComesOnceForTheSameTexts) {
    const struct {
        std::string g, message;
    } cases[] = {{"min(1;2*x", "Fehlerhafte Klammersetzung!"},
                 {tooManyParameters(), "Fehler: mehr als 28 Parameter!"}};
    for (const auto& c : cases) {
        ui.messages.clear();
        run("x", c.g);
        run("x", c.g);
        run("x", c.g);
        ASSERT_EQ(ui.messages.size(), 1u) << c.g;
        EXPECT_EQ(ui.messages[0].text, c.message);
        EXPECT_EQ(state.status.color, kErrorColor) << c.g;
        run("x^2", c.g); // another text: the box comes again
        EXPECT_EQ(ui.messages.size(), 2u) << c.g;
    }
}

TEST_F(Interpret, EachErrorIsReportedOnce) {
    const struct {
        std::string f, g, status;
    } cases[] = {
        {"a+sin()", "", "f(x): Ungültige Anzahl von Argumenten in sin"},
        {"a+wurzel()", "", "f(x): Ungültige Anzahl von Argumenten in wurzel"},
        {"x", "b+sin()", "g(x): Ungültige Anzahl von Argumenten in sin"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(run(c.f, c.g));
        EXPECT_EQ(state.status.text, c.status) << c.f << " " << c.g;
    }
}

} // namespace
} // namespace vestrano
