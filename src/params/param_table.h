#pragma once

namespace vestrano {

struct PlotState;

// Prepares slot s's window for its parameter and passes the value to the engine; a window
// that was closed is loaded again, which shows it.
void init(PlotState& state, int s);

void showpara(PlotState& state, int s);
void hidepara(PlotState& state, int s);
bool paravisible(const PlotState& state, int s);

// Writes the slot's value and its engine variable.
void setwert(PlotState& state, int s, double v);

// Frees a slot whose parameter disappeared.
void releasepara(PlotState& state, int s);

} // namespace vestrano
