#include "terms/engine_setup.h"

#include <cmath>

#include <gtest/gtest.h>

#include "engine/engine_error.h"
#include "engine/errtext.h"
#include "state/plot_state.h"
#include "terms/evaltext.h"

namespace vestrano {
namespace {

using enum ErrorCode;

class EngineSetup : public ::testing::Test {
  protected:
    PlotState state;
    ExprEngine& engine = state.engine;

    double eval(std::string_view text) {
        const double v = engine.ucEval(text);
        EXPECT_EQ(engine.ucGetError(), number(None)) << text << ": " << errtext(engine, -1);
        return v;
    }
};

TEST_F(EngineSetup, CoreDefinitionsGiveTheGermanNotationItsMeaning) {
    setupEngine(state);
    EXPECT_DOUBLE_EQ(eval("log(8,2)"), 3.0);
    EXPECT_NEAR(eval("exp(2,3)"), 9.0, 1e-12);
    EXPECT_DOUBLE_EQ(eval("exp(1)"), std::exp(1.0));
    EXPECT_DOUBLE_EQ(eval("log(e)"), 1.0);
    EXPECT_DOUBLE_EQ(eval("wurzel(9)"), 3.0);
    EXPECT_DOUBLE_EQ(eval("2*pi"), 2 * std::acos(-1.0));
    EXPECT_DOUBLE_EQ(eval("wenn(-2<0,2,-2)"), 2.0);
    EXPECT_DOUBLE_EQ(eval("betrag(-3)+nicht 0"), 4.0);
    EXPECT_DOUBLE_EQ(eval("arcsin(1)*2"), std::acos(-1.0));
    EXPECT_DOUBLE_EQ(eval("integral(x^2)"), 0.0);

    engine.ucEval("log(0)");
    EXPECT_EQ(errtext(engine, -1), "Ungültiger Wert für LOG oder LN");
}

TEST_F(EngineSetup, VariablesFillTheFixedParameterSlots) {
    state.mode = 1;
    state.lowerbounds = {1, 2, 3, 4, 5, 6};
    state.slots[1].anzt = 99;
    setupEngine(state);

    EXPECT_EQ(eval("t"), 1.0);
    engine.ucEval("x");
    EXPECT_EQ(engine.ucGetError(), number(UndefinedVariable));
    EXPECT_EQ(eval("uf+ug+uh"), 4.0 + 5.0 + 6.0);
    EXPECT_EQ(eval("anzf"), 500.0);
    EXPECT_EQ(eval("anzy1"), 100.0);
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_GE(state.params[slot].parhandle, 0) << slot;
    }
    EXPECT_EQ(state.params[6].parname, "anzy1");
    EXPECT_EQ(state.params[7].parmin, 2.0);
    EXPECT_EQ(state.params[7].parmax, 1002.0);
    EXPECT_EQ(state.params[8].parhandle, -1);

    state.engine.ucSetVariableValueDbl(state.params[3].parhandle, 7);
    EXPECT_EQ(eval("anzf"), 7.0);
}

TEST_F(EngineSetup, SlotFunctionsResolveReferencesInAnyOrder) {
    setupEngine(state);
    const std::string f = "g(x)*2", g = "h(x)+1", h = "x^2";
    for (int k = 0; k < 3; ++k) {
        state.slots[k].engtext = std::array{f, g, h}[k];
    }
    EXPECT_EQ(defslotsordered(state, f, g, h), "");
    EXPECT_DOUBLE_EQ(eval("f(3)"), 20.0);
}

TEST_F(EngineSetup, MissingSlotFunctionIsReportedAfterTheThirdPass) {
    setupEngine(state);
    state.slots[0].engtext = "k(x)+1";
    state.slots[1].engtext = "f(x)";
    // g waits for f, which never comes.
    EXPECT_EQ(defslotsordered(state, "k(x)+1", "f(x)", ""),
              "Nicht definierte Funktion: k; Nicht definierte Funktion: f; ");
    EXPECT_EQ(state.slots[0].engtext, "");
    EXPECT_EQ(state.slots[1].engtext, "");
    // The failed and the empty slot stay known functions.
    engine.ucEval("f(1)+g(1)+h(1)");
    EXPECT_NE(engine.ucGetError(), number(UndefinedFunction));
}

TEST(ErrText, TableEdgesAndData) {
    ExprEngine engine;
    EXPECT_EQ(errtext(engine, number(None)), "");
    EXPECT_EQ(errtext(engine, kLastErrorCode + 1), "");
    engine.ucEval("zz+1");
    EXPECT_EQ(errtext(engine, -1), "Undefined variable: zz");
    engine.ucEval("zz(1)");
    EXPECT_EQ(errtext(engine, -1), "Nicht definierte Funktion: zz");
    engine.ucEval(std::nullopt);
    EXPECT_EQ(errtext(engine, -1), "");
}

TEST(EvalText, AcceptsDecimalCommaAndExpressions) {
    ExprEngine engine;
    EXPECT_DOUBLE_EQ(evaltext(engine, "3,5"), 3.5);
    EXPECT_DOUBLE_EQ(evaltext(engine, "7/2"), 3.5);
    EXPECT_EQ(engine.ucGetError(), number(None));
    evaltext(engine, "abc");
    EXPECT_EQ(engine.ucGetError(), number(UndefinedVariable));
}

} // namespace
} // namespace vestrano
