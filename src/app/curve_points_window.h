#pragma once

#include <array>
#include <string>
#include <vector>

namespace vestrano {

struct PlotState;
struct ProgramContext;

// The window "Kurvenpunkte" and the menu switch "Kurvenpunkte anzeigen": what their controls
// do to the program. The points themselves are found by the redraw (see graph_overlay.h).

// The window comes up with the points of the picture as it is.
void showCurvePointsWindow(ProgramContext& ctx);
void closeCurvePointsWindow(ProgramContext& ctx);

// "Kurvenpunkte anzeigen": the rings on the graph on or off.
void toggleCurvePointMarks(ProgramContext& ctx);

// "Kopieren": the table with a header line, tab-separated, with decimal commas, so that a
// German spreadsheet reads the numbers as numbers.
void copyCurvePoints(ProgramContext& ctx);

// The table's rows as the window shows them: graph, kind, x and y with decimal commas.
using CurvePointRow = std::array<std::string, 4>;
std::vector<CurvePointRow> curvePointRows(const PlotState& state);

// The line below the table: how many points there are, and how many were left out.
std::string curvePointsStatus(const PlotState& state);

} // namespace vestrano
