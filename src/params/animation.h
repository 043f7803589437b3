#pragma once

namespace vestrano {

struct PlotState;
struct ParamContext;
class Ui;

// Caption of the menu item that starts or stops all timers.
const char* timergocaption(const PlotState& state);

// Whether slot s's timer runs: its clock shows a border and its text boxes are disabled.
bool timerrunning(const PlotState& state, int s);

// Left click on the clock of a slot whose step is set: starts or stops its timer.
void toggletimer(PlotState& state, Ui& ui, int s);

// Takes slot s out of the running list.
void stoptimer(PlotState& state, int s);

// Mouse-down on the clock, buttons 1 left and 2 right added. True when the timer dialog
// should open for the slot.
bool timerclick(PlotState& state, Ui& ui, int s, int buttons);

// Starts every slot that has a step, in slot order, or stops all when the timer runs.
void timergo(ParamContext& ctx);

// One tick of the main window's timer: every running slot moves by its step, in the order
// the timers were started, and the graph is redrawn once.
void tick(ParamContext& ctx);

} // namespace vestrano
