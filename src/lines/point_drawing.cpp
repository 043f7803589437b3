#include "lines/point_drawing.h"

#include <cmath>
#include <optional>
#include <string>

#include "plot/canvas.h"
#include "state/plot_state.h"
#include "state/rounding.h"

namespace vestrano {

namespace {

constexpr uint8_t kShowDots = 1;
constexpr uint8_t kShowNames = 2;

std::optional<double> coordinate(ExprEngine& engine, const std::string& term) {
    const double value = engine.ucEval(term);
    if (engine.ucGetError() != 0 || !std::isfinite(value)) {
        engine.ucEval(std::nullopt);
        return std::nullopt;
    }
    return value;
}

// The name as shown: without a leading "!" and then without a trailing "$".
std::string shownName(std::string name) {
    if (name.starts_with('!')) {
        name.erase(0, 1);
    }
    if (name.ends_with('$')) {
        name.pop_back();
    }
    return name;
}

int pixel(double v) {
    return static_cast<int>(roundEven(v));
}

void drawPoint(PlotState& state, Canvas& canvas, const PointRow& row) {
    const Viewport& v = state.view;
    const auto x = coordinate(state.engine, row.xterm);
    const auto y = coordinate(state.engine, row.yterm);
    if (!x || !y) {
        return;
    }
    const double X = (*x - v.xmin) * v.xmu / v.tppx;
    const double Y = (v.pich - (*y - v.ymin) * v.ymu) / v.tppy;
    if (X < 0 || X > v.picw / v.tppx || Y < 0 || Y > v.pich / v.tppy) {
        return;
    }
    const uint8_t flags = state.additional.pointflags;
    if ((flags & kShowDots) && !row.name.starts_with('!')) {
        const int32_t previous = canvas.selectBrush(row.color);
        canvas.fillEllipse(pixel(X - 2), pixel(Y - 2), pixel(X + 3), pixel(Y + 3));
        canvas.selectBrush(previous);
    }
    const std::string name = shownName(row.name);
    if ((flags & kShowNames) && !name.empty()) {
        canvas.setTextColor(row.color);
        canvas.textOut(pixel(X + row.dx), pixel(Y - row.dy), name);
    }
}

} // namespace

void drawpoints(PlotState& state, Canvas& canvas) {
    const FontSpec previous = canvas.selectFont(state.style.font(kPointFont));
    canvas.setTransparentText(true);
    for (const PointRow& row : state.additional.points.rows) {
        drawPoint(state, canvas, row);
    }
    canvas.selectFont(previous);
}

} // namespace vestrano
