#include "app/calculator.h"

#include <optional>

#include "params/recalculation.h"
#include "settings/settings_file.h"
#include "state/plot_state.h"
#include "state/rounding.h"
#include "state/ui.h"
#include "terms/evaltext.h"

namespace vestrano {

namespace {

constexpr int kMostDecimals = 22;

// An input the engine cannot read is refused like an out-of-range count.
bool takeDecimals(PlotState& state, Ui& ui, std::string_view text) {
    const double value = evaltext(state.engine, text);
    const auto count = state.engine.ucGetError() == 0 ? toInt16(value) : std::nullopt;
    if (!count || *count < 0 || *count > kMostDecimals) {
        ui.message("Ungültige Stellenzahl!", "Stellen nach dem Komma:", MessageIcon::Critical);
        return false;
    }
    state.options.calc = *count;
    storeWorkingSettings(state, ui);
    return true;
}

} // namespace

bool checkround(PlotState& state, Ui& ui, std::string_view text) {
    const bool taken = takeDecimals(state, ui, text);
    docalc(state, ui);
    return taken;
}

void clearCalc(PlotState& state, Ui& ui) {
    state.calculator.input.clear();
    state.calculator.result.clear();
    ui.changed(Change::Calculator);
}

} // namespace vestrano
