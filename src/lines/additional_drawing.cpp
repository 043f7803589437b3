#include "lines/additional_drawing.h"

#include <algorithm>
#include <optional>
#include <string>

#include "engine/errtext.h"
#include "lines/point_drawing.h"
#include "plot/canvas.h"
#include "state/plot_state.h"
#include "state/rounding.h"
#include "state/ui.h"

namespace vestrano {

namespace {

// A line's ends in twips, from the left and from the bottom of the picture.
struct Segment {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

int16_t rowStyle(const PlotState& state, const LineRow& row) {
    if (row.linetype == ' ') {
        return state.additional.astil;
    }
    return static_cast<int16_t>(row.linetype >= '0' && row.linetype <= '6' ? row.linetype - '0'
                                                                           : 0);
}

// The line's value where the main variable is x; empty when it has none there, as 1/x at 0.
std::optional<double> valueAt(PlotState& state, int32_t h, double x) {
    ExprEngine& engine = state.engine;
    engine.ucSetVariableValueDbl(state.handles.modevar, x);
    const double value = engine.ucEvaluate(h);
    if (engine.ucGetError() != 0) {
        engine.ucEval(std::nullopt);
        return std::nullopt;
    }
    return value;
}

// Ends of y = f(x) across the picture, cut to its height unless the line is horizontal.
std::optional<Segment> slopedLine(PlotState& state, int32_t h) {
    const Viewport& v = state.view;
    const auto a = valueAt(state, h, v.xmin);
    const auto b = valueAt(state, h, v.xmax);
    if (!a || !b) {
        return std::nullopt;
    }
    const double W = v.picw;
    const double H = v.pich;
    Segment s{0, (*a - v.ymin) * v.ymu, W, (*b - v.ymin) * v.ymu};
    const double slope = (s.y1 - s.y0) / W;
    if (slope == 0) {
        return s;
    }
    const double y0 = s.y0;
    if (s.y1 > H) {
        s = {s.x0, s.y0, (H - y0) / slope, H};
    } else if (s.y1 < 0) {
        s = {s.x0, s.y0, -y0 / slope, 0};
    }
    if (s.y0 > H) {
        s = {(H - y0) / slope, H, s.x1, s.y1};
    } else if (s.y0 < 0) {
        s = {-y0 / slope, 0, s.x1, s.y1};
    }
    return s;
}

std::optional<Segment> verticalLine(PlotState& state, int32_t h) {
    const auto value = valueAt(state, h, state.view.xmin);
    if (!value) {
        return std::nullopt;
    }
    const double x = (*value - state.view.xmin) * state.view.xmu;
    return Segment{x, 0, x, state.view.pich};
}

// Draws the segment in pixels; a line too far away for pixel numbers is not drawn.
void drawSegment(const PlotState& state, Canvas& canvas, const Segment& s) {
    const Viewport& v = state.view;
    const auto x0 = toInt32(s.x0 / v.tppx);
    const auto y0 = toInt32((v.pich - s.y0) / v.tppy);
    const auto x1 = toInt32(s.x1 / v.tppx);
    const auto y1 = toInt32((v.pich - s.y1) / v.tppy);
    if (!x0 || !y0 || !x1 || !y1) {
        return;
    }
    canvas.moveTo(*x0, *y0);
    canvas.lineTo(*x1, *y1);
}

// Draws one row; returns the error entry when its equation does not parse.
std::string drawRow(PlotState& state, Canvas& canvas, const LineRow& row) {
    std::string e = row.engtext;
    std::erase(e, ' ');
    ExprEngine& engine = state.engine;
    const int32_t h = engine.ucParse(e.size() > 2 ? std::string_view(e).substr(2) : "");
    if (engine.ucGetError() != 0) {
        std::string entry = errtext(engine, -1) + ": " + e;
        if (h > 1) {
            engine.ucReleaseExpr(1);
        }
        engine.ucEval(std::nullopt);
        return entry;
    }
    std::optional<Segment> s;
    if (e.starts_with('y')) {
        s = slopedLine(state, h);
    } else if (e.starts_with('x')) {
        s = verticalLine(state, h);
    }
    engine.ucReleaseExpr(1);
    if (!s || !(s->x0 >= 0 && s->x1 <= state.view.picw)) {
        return {};
    }
    canvas.selectPen({rowStyle(state, row), 1, row.color});
    drawSegment(state, canvas, *s);
    return {};
}

} // namespace

void interprete(PlotState& state, Canvas& canvas, Ui& ui) {
    AdditionalObjects& a = state.additional;
    if (a.linestext.empty()) {
        return;
    }
    const PenSpec previous = canvas.selectPen({kSolidPen, 1, state.style.colors[4]});
    std::string errors;
    for (const LineRow& row : a.lines.rows) {
        const std::string entry = drawRow(state, canvas, row);
        if (!entry.empty()) {
            errors += (errors.empty() ? "" : "\r\n") + entry;
        }
    }
    canvas.selectPen(previous);
    // Shown again only when the broken lines change, not on every redraw or edit of others.
    OnceMessages& once = a.lines.drawingMessages;
    if (errors.empty()) {
        once = {};
        return;
    }
    if (once.admit(errors, errors)) {
        ui.message(errors, "Geradenfenster:", MessageIcon::Critical);
    }
}

void drawAdditional(PlotState& state, Canvas& canvas, Ui& ui) {
    if (state.additional.linesvisible) {
        interprete(state, canvas, ui);
    }
    if (state.additional.pointflags != 0) {
        drawpoints(state, canvas);
    }
}

} // namespace vestrano
