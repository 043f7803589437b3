#pragma once

#include <string>

namespace vestrano {

class Canvas;
struct PlotState;
struct ProgramContext;
class Ui;

// Draws the whole graph a second time into `canvas`, another device than the screen's picture,
// through the screen's own routines: background, graphs, additional lines and points, and the
// marks of the points of interest while they are on. The screen's background is rebuilt by its
// next redraw.
void drawGraphInto(PlotState& state, Canvas& canvas, Ui& ui);

// The vector copy: the whole graph as an enhanced metafile whose frame is the drawing area.
// The file beside the working copy (its name with ".emf") is replaced by it in one step; a
// failed write is told and only loses that file. The screen is drawn again. Returns the
// metafile.
std::string emfcopy(ProgramContext& ctx);

// Where the vector copy is kept: the working copy's name with ".emf"; "" without one.
std::string metafileName(const PlotState& state);

} // namespace vestrano
