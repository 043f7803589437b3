#pragma once

namespace vestrano {

struct PlotState;
struct ProgramContext;
class Ui;

// Caption of the menu item that starts or stops all timers.
const char* timerGoCaption(const PlotState& state);

// Whether slot s's timer runs: its clock shows a border and its text boxes are disabled.
bool timerRunning(const PlotState& state, int s);

// Left click on the clock of a slot whose step is set: starts or stops its timer.
void toggleTimer(PlotState& state, Ui& ui, int s);

// Takes slot s out of the running list.
void stopTimer(PlotState& state, int s);

// Mouse-down on the clock, buttons 1 left and 2 right added. True when the timer dialog
// should open for the slot.
bool timerClick(PlotState& state, Ui& ui, int s, int buttons);

// Starts every slot that has a step, in slot order, or stops all when the timer runs.
void timerGo(ProgramContext& ctx);

// One tick of the main window's timer: every running slot moves by its step, in the order
// the timers were started, and the graph is redrawn once.
void tick(ProgramContext& ctx);

} // namespace vestrano
