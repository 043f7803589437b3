#include "app/calculator.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/evaltext.h"
#include "app/plot_state.h"
#include "app/quiet_ui.h"
#include "app/rounding.h"
#include "app/ui.h"
#include "engine/errtext.h"
#include "plot/fmtnum.h"
#include "terms/termconv.h"

namespace vestrano {

namespace {

constexpr int kMostDecimals = 22;

// Rounds on the exact decimal value, so 0.125 goes to 0.12 as printed.
double roundDecimals(double value, int decimals) {
    if (!std::isfinite(value)) {
        return value;
    }
    return std::strtod(fixedtext(value, decimals).c_str(), nullptr);
}

std::string resultText(const ExprEngine& engine, double value, int decimals) {
    const int code = engine.ucGetError();
    if (code == number(ErrorCode::undefinedVariable)) {
        return "Error: Syntax";
    }
    if (code != 0) {
        return "Error: " + errtext(engine, -1);
    }
    return generalnum(roundDecimals(value, decimals));
}

// An input the engine cannot read is refused like an out-of-range count.
bool takeDecimals(PlotState& state, Ui& ui, std::string_view text) {
    const double value = evaltext(state.engine, text);
    const auto count = state.engine.ucGetError() == 0 ? toInt16(value) : std::nullopt;
    if (!count || *count < 0 || *count > kMostDecimals) {
        ui.message("Ungültige Stellenzahl!", "Stellen nach dem Komma:", MessageIcon::Critical);
        return false;
    }
    state.calc = *count;
    return true;
}

} // namespace

std::string generalnum(double value) {
    if (std::isnan(value)) {
        return "nicht definiert";
    }
    if (std::isinf(value)) {
        return value > 0 ? "unendlich" : "-unendlich";
    }
    if (value == 0) {
        return "0"; // also for -0
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.15G", value);
    return text;
}

void docalc(PlotState& state, Ui& ui) {
    // The result follows every parameter move; a broken input is reported once, not per move.
    CalcTexts& calc = state.calculator;
    QuietUi quiet(ui);
    Ui& conversionUi = calc.input == calc.reportedInput ? static_cast<Ui&>(quiet) : ui;
    calc.reportedInput = calc.input;
    const std::string term = termconv(calc.input, state.mode, conversionUi);
    const double value = state.engine.ucEval(std::string_view(term));
    state.calculator.result = resultText(state.engine, value, state.calc);
    ui.changed(Change::Calculator);
}

bool checkround(PlotState& state, Ui& ui, std::string_view text) {
    const bool taken = takeDecimals(state, ui, text);
    docalc(state, ui);
    return taken;
}

} // namespace vestrano
