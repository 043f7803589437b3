#pragma once

#include <string>

namespace vestrano {

struct PlotState;
class Ui;

// Shows a message a drawing routine raises, once for the current terms: a redraw runs on
// every parameter move and animation tick, and a modal box on each would lock the program.
void showOnce(PlotState& state, Ui& ui, const std::string& text);

} // namespace vestrano
