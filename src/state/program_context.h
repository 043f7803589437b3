#pragma once

#include <functional>
#include <string_view>

namespace vestrano {

struct PlotState;
struct ProgramContext;
enum class UserStep;
enum class StepEdge;
class TextMetrics;
class Ui;

// Width of a name in the parameter list's font, in twips.
using NameWidth = std::function<double(std::string_view)>;

// The graph window's redraw as the routines below it reach it: the Qt graph window runs the
// core redraw on its picture and shows it; tests count the calls.
class Redrawer {
  public:
    virtual ~Redrawer() = default;
    virtual void redraw() = 0;
};

// The roads by which a routine reaches a window, or a routine of a layer above its own; one
// that is not set is passed by (there is no such window: the export, most tests). `startup`
// puts them all into the context at once.
struct Hooks {
    // Set by the main window from its graph window, cleared before that goes: the redraw.
    Redrawer* redrawer = nullptr;
    // Set and cleared by the main window with the redrawer: the graph window's font measuring,
    // for `fosize`.
    TextMetrics* metrics = nullptr;
    // Set by the main window from its parameter list window: the list's font.
    NameWidth nameWidth{};
    // Set by the start-up to `updatestamm`: the integral lower bounds follow a new x range.
    std::function<void(ProgramContext&)> followBounds{};
    // Set by the start-up to `colgetall`, which joins subsystems above the collection: the
    // collection window's boxes are applied to the plot.
    std::function<void(ProgramContext&)> applyEntry{};
    // Set by the main window once its start-up is done, through `connectHistory`: a user's
    // step begins or ends, for the undo history (see user_step.h).
    std::function<void(ProgramContext&, UserStep, StepEdge)> step{};
};

// Everything an operation of the program touches besides its arguments.
struct ProgramContext {
    PlotState& state;
    Ui& ui;
    Hooks hooks{};
    // Off while the terms are interpreted: the parameters found take their values one by one,
    // and the calculator follows once at the end.
    bool calculatorFollows = true;
};

// The graph window's redraw; nothing while `busy` batches changes.
void redrawGraph(ProgramContext& ctx);

} // namespace vestrano
