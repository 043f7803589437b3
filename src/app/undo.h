#pragma once

namespace vestrano {

struct PlotSnapshot;
struct ProgramContext;
class UndoHistory;

// Puts the plot back as `snapshot` holds it, through the roads of the user's own changes
// (mode switch, intervals, lines, points, terms taken over, parameters set), in one batch
// with one redraw at the end. Writes neither the collection nor the settings; running
// timers stop.
void restorePlot(ProgramContext& ctx, const PlotSnapshot& snapshot);

// "Rückgängig" and "Wiederholen" of the edit menu; false when there was nothing to do.
bool undoStep(ProgramContext& ctx, UndoHistory& history);
bool redoStep(ProgramContext& ctx, UndoHistory& history);

} // namespace vestrano
