#pragma once

#include <functional>
#include <string_view>

namespace vestrano {

struct PlotState;
class TextMetrics;
class Ui;

// Width of a name in the parameter list's font, in twips.
using NameWidth = std::function<double(std::string_view)>;

// The calculator's recalculation, which lives above the routines that change values.
using Recalculate = void (*)(PlotState& state, Ui& ui);

// The intervals window's boxes follow a change of the view; it lives above the routines that
// scroll and zoom. `rows` names the changed ranges: kFollowX, kFollowY, kFollowT.
constexpr int kFollowX = 1;
constexpr int kFollowY = 2;
constexpr int kFollowT = 4;
struct ProgramContext;
using FollowView = void (*)(ProgramContext& ctx, int rows);

// Applies the collection window's boxes to the plot; it joins subsystems above the collection.
using ApplyEntry = void (*)(ProgramContext& ctx);

// The graph window's redraw as the parameter operations reach it: the Qt graph window runs
// the core redraw on its picture and shows it; tests count the calls.
class Redrawer {
  public:
    virtual ~Redrawer() = default;
    virtual void redraw() = 0;
};

// Everything an operation of the program touches besides its arguments, and the roads by which
// a lower routine reaches a higher one. The redrawer is null while there is no graph window to
// draw into (start-up, interpretation); the start-up sets the recalculation.
struct ProgramContext {
    PlotState& state;
    Ui& ui;
    Redrawer* redrawer = nullptr;
    NameWidth nameWidth{}; // the parameter list's font; empty while there is no list window
    Recalculate recalculate = nullptr;
    FollowView followView = nullptr; // set by the start-up
    ApplyEntry applyEntry = nullptr; // set by the start-up
    // The lines and points windows take over the lists of the entry just shown; they live above
    // the collection. Set by the start-up.
    ApplyEntry takeEntryLists = nullptr;
    // The graph window's font measuring, for `fosize`; null while there is no graph window.
    TextMetrics* metrics = nullptr;
};

// Lets the intervals window show the changed ranges, when there is one.
inline void updateIntervalBoxes(ProgramContext& ctx, int rows) {
    if (ctx.followView) {
        ctx.followView(ctx, rows);
    }
}

// The graph window's redraw; nothing while `busy` batches changes.
void redrawGraph(ProgramContext& ctx);

// The redraw after a value change, then the calculator follows the new values.
void redrawAndCalc(ProgramContext& ctx);

} // namespace vestrano
