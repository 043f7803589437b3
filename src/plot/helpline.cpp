#include "plot/helpline.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "plot/canvas.h"
#include "plot/fmtnum.h"
#include "plot/view_drag.h"
#include "state/plot_state.h"
#include "state/rounding.h"

namespace vestrano {

namespace {

constexpr int32_t kBlack = 0;
// A view far from the origin with a tiny span can make the next grid position equal the
// last one; the grid then stops instead of hanging.
constexpr int kMostGridSteps = 20000;

// Calls `each` with start + k * step for every k from the one nearest to `lo` up to the
// first position at or beyond `hi`.
template <typename F> void gridPositions(double lo, double hi, double start, double step, F each) {
    double k = roundEven((lo - start) / step);
    for (int n = 0; n < kMostGridSteps; ++n, k += 1) {
        const double at = step * k + start;
        each(at);
        if (at >= hi) {
            return;
        }
    }
}

std::optional<PixelPoint> pixelAt(double column, double row) {
    const auto x = toInt16(column);
    const auto y = toInt16(row);
    if (!x || !y) {
        return std::nullopt;
    }
    return PixelPoint{*x, *y};
}

void lineBetween(Canvas& canvas, double c1, double r1, double c2, double r2) {
    const auto from = pixelAt(c1, r1);
    const auto to = pixelAt(c2, r2);
    if (!from || !to) {
        return;
    }
    canvas.moveTo(from->x, from->y);
    canvas.lineTo(to->x, to->y);
}

void textAt(Canvas& canvas, double column, double row, std::string_view text) {
    if (const auto at = pixelAt(column, row)) {
        canvas.textOut(at->x, at->y, text);
    }
}

// Positions of the axes in twips: x0 from the left edge, y0 from the bottom edge.
struct AxisPlace {
    double x0 = 0;
    double y0 = 0;
    bool yAxisInView = false;
    bool xAxisInView = false;
};

AxisPlace axisPlace(const PlotState& state) {
    const Viewport& v = state.view;
    AxisPlace a;
    a.x0 = -v.xmin * v.xmu;
    a.y0 = -v.ymin * v.ymu;
    a.yAxisInView = a.x0 >= 0 && a.x0 <= v.picw;
    a.xAxisInView = a.y0 >= 0 && a.y0 <= v.pich;
    return a;
}

void helpLines(const PlotState& state, Canvas& canvas) {
    const Viewport& v = state.view;
    const double right = roundEven(v.picw / v.tppx);
    const double bottom = roundEven(v.pich / v.tppy);
    gridPositions(v.xmin, v.xmax, state.grid.startx, state.grid.hstepx, [&](double x) {
        const double column = (x - v.xmin) * v.xmu / v.tppx;
        lineBetween(canvas, column, 0, column, bottom);
    });
    gridPositions(v.ymin, v.ymax, state.grid.starty, state.grid.hstepy, [&](double y) {
        const double row = (v.pich - (y - v.ymin) * v.ymu) / v.tppy;
        lineBetween(canvas, 0, row, right, row);
    });
}

// An open arrow head through four points given in twips (column, row from the top).
void arrowHead(const Viewport& v, Canvas& canvas, const std::array<double, 8>& twips) {
    std::array<PixelPoint, 4> points{};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto p = pixelAt(twips[2 * i] / v.tppx, twips[2 * i + 1] / v.tppy);
        if (!p) {
            return;
        }
        points[i] = *p;
    }
    canvas.polyline(points);
}

void yAxis(const PlotState& state, Canvas& canvas, double x0) {
    const Viewport& v = state.view;
    lineBetween(canvas, x0 / v.tppx, 0, x0 / v.tppx, v.pich / v.tppy);
    if (state.graph.mn_axname) {
        textAt(canvas, (x0 + 120) / v.tppx, -2, "y");
    }
    arrowHead(v, canvas, {x0 + 2, 15, x0 + 52, 55, x0 - 52, 55, x0 - 2, 15});
}

void xAxis(const PlotState& state, Canvas& canvas, double y0) {
    const Viewport& v = state.view;
    const double row = (v.pich - y0) / v.tppy;
    lineBetween(canvas, 0, row, v.picw / v.tppx, row);
    if (state.graph.mn_axname) {
        textAt(canvas, (v.picw - state.style.charw[0] - 30) / v.tppx,
               (v.pich - y0 - state.style.charh[0] - 60) / v.tppy, "x");
    }
    const double top = v.pich - y0;
    arrowHead(
        v, canvas,
        {v.picw - 22, top + 2, v.picw - 62, top + 52, v.picw - 62, top - 52, v.picw - 22, top - 2});
}

void axes(const PlotState& state, Canvas& canvas, const AxisPlace& a) {
    canvas.selectFont(state.style.font(kAxisNameFont));
    if (a.yAxisInView) {
        yAxis(state, canvas, a.x0);
    }
    if (a.xAxisInView) {
        xAxis(state, canvas, a.y0);
    }
}

// Height of the top of the x numbers above the bottom edge, twips: below the x axis, or
// above it when there is no room below. Text positions are twips of the whole drawing area,
// which outgrows 16 bits on a wide or tall screen, so they are held in 32 bits.
int32_t labelRow(const DrawingStyle& style, const AxisPlace& a) {
    const int32_t charh = style.charh[1];
    int32_t ly = a.xAxisInView ? toInt32(a.y0 - 30).value_or(0) : charh;
    if (ly < charh) {
        ly = toInt32(1.2 * charh + a.y0).value_or(charh);
    }
    return ly;
}

// A number is left out when it would start within 80 twips of the previous one or of the
// left edge, or reach past the right edge.
void xNumbers(const PlotState& state, Canvas& canvas, int32_t ly) {
    const Viewport& v = state.view;
    const FontSpec& font = state.style.font(kLabelFont);
    int32_t last = 0;
    gridPositions(v.xmin, v.xmax, state.grid.startx, state.grid.hstepx, [&](double x) {
        const std::string s = fmtnum(x, state.grid.fmtx);
        const auto w = toInt32(static_cast<double>(canvas.measure(font, s).width) * v.tppx);
        if (!w) {
            return;
        }
        const auto c = toInt32((x - v.xmin) * v.xmu - *w / 2.0);
        if (!c || *c <= last + 80 || *c + *w >= v.picw) {
            return;
        }
        textAt(canvas, static_cast<double>(*c) / v.tppx, (v.pich - ly) / v.tppy, s);
        last = *c + *w;
    });
}

// A number that would touch the row of x numbers or the number below it is left out.
void yNumbers(const PlotState& state, Canvas& canvas, const AxisPlace& a, int32_t ly) {
    const Viewport& v = state.view;
    const FontSpec& font = state.style.font(kLabelFont);
    const int32_t charh = state.style.charh[1];
    int32_t top = 0;
    gridPositions(v.ymin, v.ymax, state.grid.starty, state.grid.hstepy, [&](double y) {
        const std::string s = fmtnum(y, state.grid.fmty);
        const auto ty = toInt32((y - v.ymin) * v.ymu + charh / 2.0);
        if (!ty || std::abs(*ty - ly) <= charh || *ty <= top + 15) {
            return;
        }
        const double w = static_cast<double>(canvas.measure(font, s).width) * v.tppx;
        double lx = a.yAxisInView ? a.x0 - w - 75 : v.picw - w - 70;
        if (lx < 0) {
            lx = a.x0 + 70;
        }
        textAt(canvas, lx / v.tppx, (v.pich - *ty) / v.tppy, s);
        top = charh + *ty;
    });
}

void numbers(const PlotState& state, Canvas& canvas, const AxisPlace& a) {
    canvas.selectFont(state.style.font(kLabelFont));
    const int32_t ly = labelRow(state.style, a);
    xNumbers(state, canvas, ly);
    yNumbers(state, canvas, a, ly);
}

void rebuild(PlotState& state, Canvas& canvas) {
    const GraphState& g = state.graph;
    canvas.clear();
    canvas.setTextColor(kBlack);
    canvas.setTransparentText(true);
    const PenSpec previous = canvas.selectPen(state.style.penSpecs[kHelpLinePen]);
    if (g.mn_helpline) {
        helpLines(state, canvas);
    }
    canvas.selectPen(state.style.penSpecs[kAxisPen]);
    const AxisPlace a = axisPlace(state);
    if (g.mn_axevis) {
        axes(state, canvas, a);
    }
    if (g.mn_viewnumb) {
        numbers(state, canvas, a);
    }
    canvas.selectPen(previous);
    canvas.captureBackground();
    // An export draws on another device; the screen's picture holds no background then.
    state.graph.backgroundValid = state.options.emfmode == 0;
}

} // namespace

void helpline(PlotState& state, Canvas& canvas) {
    if (const auto offset = movedBackground(state)) {
        canvas.restoreMovedBackground(*offset);
        return;
    }
    if (state.graph.backgroundValid) {
        canvas.restoreBackground();
        return;
    }
    rebuild(state, canvas);
}

} // namespace vestrano
