#pragma once

namespace vestrano {

struct ProgramContext;
struct PlotState;
class Ui;

// Rebuilds the whole term state: engine, slot texts, parameters and their windows, the
// parameter list, slot functions, status line. False when more parameters were found than
// there are free slots. Messages it raises are shown once for the same texts.
bool interpretall(ProgramContext& ctx);

// The same without a graph window or a parameter list to keep up to date.
bool interpretall(PlotState& state, Ui& ui);

// Marks slot k as an integral function or not; with automatic detection on, the window of its
// lower bound follows.
void integralmark(ProgramContext& ctx, int k);

} // namespace vestrano
