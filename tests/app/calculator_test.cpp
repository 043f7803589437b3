#include "app/calculator.h"

#include "params/calculator_fixture.h"

namespace vestrano {

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
        const Messages refused{
            {"Ungültige Stellenzahl!", "Stellen nach dem Komma:", MessageIcon::Critical}};
        EXPECT_EQ(ui.messages, c.taken ? Messages{} : refused) << c.text;
    }
}

} // namespace vestrano
