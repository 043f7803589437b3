#pragma once

namespace vestrano {

struct PlotState;
struct ProgramContext;
class Ui;

// Evaluates the calculator's input with the current parameter values into its result, rounded
// to PlotState::calc decimals.
void docalc(PlotState& state, Ui& ui);

// The redraw after a value change, then the calculator follows the new values unless the
// context holds it back (the term interpretation recalculates once at its end).
void redrawAndCalc(ProgramContext& ctx);

} // namespace vestrano
