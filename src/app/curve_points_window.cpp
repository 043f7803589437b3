#include "app/curve_points_window.h"

#include "analysis/points_of_interest.h"
#include "analysis/table_text.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"

namespace vestrano {

void showCurvePointsWindow(ProgramContext& ctx) {
    CurvePoints& c = ctx.state.curvePoints;
    if (!c.windowVisible) {
        c.windowVisible = true;
        redrawGraph(ctx); // finds the points; they were not kept up while nobody looked
    }
    ctx.ui.changed(Change::CurvePoints);
}

void closeCurvePointsWindow(ProgramContext& ctx) {
    ctx.state.curvePoints.windowVisible = false;
    ctx.ui.changed(Change::CurvePoints);
}

void toggleCurvePointMarks(ProgramContext& ctx) {
    CurvePoints& c = ctx.state.curvePoints;
    c.marked = !c.marked;
    ctx.ui.changed(Change::Menu);
    redrawGraph(ctx);
}

void copyCurvePoints(ProgramContext& ctx) {
    ctx.ui.setClipboardText(pointsText(ctx.state.curvePoints.found, Notation::German, true));
}

std::vector<CurvePointRow> curvePointRows(const PlotState& state) {
    std::vector<CurvePointRow> rows;
    for (const PointOfInterest& p : state.curvePoints.found.points) {
        rows.push_back({p.graph, std::string(pointKindName(p.kind)),
                        numberText(p.x, Notation::German), numberText(p.y, Notation::German)});
    }
    return rows;
}

std::string curvePointsStatus(const PlotState& state) {
    if (state.mode != 0) {
        return "Kurvenpunkte gibt es nur im Funktionenplotter.";
    }
    const PointsResult& found = state.curvePoints.found;
    const std::size_t n = found.points.size();
    std::string text = n == 1 ? "1 Punkt" : std::to_string(n) + " Punkte";
    if (found.leftOut > 0) {
        text += "; " + std::to_string(found.leftOut) + " weitere ausgelassen (höchstens " +
                std::to_string(kMostPointsPerKind) + " je Graph und Art)";
    }
    return text + ".";
}

} // namespace vestrano
