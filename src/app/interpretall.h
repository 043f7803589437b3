#pragma once

namespace vestrano {

struct ParamContext;
struct PlotState;
class Ui;

// Rebuilds the whole term state: engine, slot texts, parameters and their windows, the
// parameter list, slot functions, status line. False when more parameters were found than
// there are free slots. Messages it raises are shown once for the same texts.
bool interpretall(ParamContext& ctx);

// The same without a graph window or a parameter list to keep up to date.
bool interpretall(PlotState& state, Ui& ui);

} // namespace vestrano
