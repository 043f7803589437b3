#include "params/recalculation.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/engine_error.h"
#include "engine/errtext.h"
#include "plot/fmtnum.h"
#include "state/general_number.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/quiet_ui.h"
#include "state/ui.h"
#include "terms/termconv.h"

namespace vestrano {

namespace {

// Rounds on the exact decimal value, so 0.125 goes to 0.12 as printed.
double roundDecimals(double value, int decimals) {
    if (!std::isfinite(value)) {
        return value;
    }
    return std::strtod(fixedText(value, decimals).c_str(), nullptr);
}

// The English word "Error" and its German reasons; a name the engine does not know is a fault
// of the input's syntax here.
std::string resultText(const ExprEngine& engine, double value, int decimals) {
    const int error = engine.ucGetError();
    if (error == number(ErrorCode::UndefinedVariable)) {
        return "Error: Syntax";
    }
    if (error != 0) {
        return "Error: " + errtext(engine, -1);
    }
    return generalNumber(roundDecimals(value, decimals));
}

} // namespace

void docalc(PlotState& state, Ui& ui) {
    // The result follows every parameter move; a broken input is reported once, not per move.
    CalcTexts& calc = state.calculator;
    QuietUi quiet(ui);
    Ui& conversionUi = calc.input == calc.reportedInput ? static_cast<Ui&>(quiet) : ui;
    calc.reportedInput = calc.input;
    // Nothing typed yet, nothing to say.
    if (calc.input.find_first_not_of(' ') == std::string::npos) {
        calc.result.clear();
        ui.changed(Change::Calculator);
        return;
    }
    const std::string term = termconv(calc.input, state.mode, conversionUi);
    const double value = state.engine.ucEval(std::string_view(term));
    state.calculator.result = resultText(state.engine, value, state.options.calc);
    ui.changed(Change::Calculator);
}

void redrawAndCalc(ProgramContext& ctx) {
    redrawGraph(ctx);
    if (ctx.calculatorFollows) {
        docalc(ctx.state, ctx.ui);
    }
}

} // namespace vestrano
