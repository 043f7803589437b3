#include "params/recalculation.h"

#include "calculator_fixture.h"

namespace vestrano {

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

TEST_F(Calculator, BrokenInputIsReportedOnceNotOnEveryRecalculation) {
    calc("min(1;2");
    for (int move = 0; move < 3; ++move) {
        docalc(state, ui);
    }
    EXPECT_EQ(ui.messages.size(), 1u);
    calc("max(1;2");
    EXPECT_EQ(ui.messages.size(), 2u);
}

} // namespace vestrano
