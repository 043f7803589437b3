#pragma once

#include <string>
#include <string_view>

namespace vestrano {

struct PlotState;
class Ui;

// Takes `text` as the new number of decimals (0..22) and stores the settings, then
// recalculates. True when the number was taken over.
bool checkround(PlotState& state, Ui& ui, std::string_view text);

// Empties the input and the result.
void clearCalc(PlotState& state, Ui& ui);

} // namespace vestrano
