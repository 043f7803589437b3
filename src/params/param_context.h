#pragma once

#include "params/param_list.h"

namespace vestrano {

struct PlotState;
class Ui;

// The graph window's redraw as the parameter operations reach it: the Qt graph window runs
// the core redraw on its picture and shows it; tests count the calls.
class Redrawer {
  public:
    virtual ~Redrawer() = default;
    virtual void redraw() = 0;
};

// Everything a parameter operation touches besides its arguments. The redrawer is null
// while there is no graph window to draw into (start-up, interpretation).
struct ParamContext {
    PlotState& state;
    Ui& ui;
    Redrawer* redrawer = nullptr;
    NameWidth nameWidth{}; // the parameter list's font; empty while there is no list window
};

// The graph window's redraw; nothing while `busy` batches changes.
void redrawGraph(ParamContext& ctx);

// The redraw after a value change, then the calculator follows the new values.
void redrawAndCalc(ParamContext& ctx);

} // namespace vestrano
