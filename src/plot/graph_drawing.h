#pragma once

#include <string_view>

namespace vestrano {

struct PlotState;
class Canvas;
class Ui;

// The graph of function slot `slot` over its drawing range, sampled at curnx + 1 points
// from xmin to xmax. The slot's pen, curstep, "sw", curnx and curltyp are set by the redraw.
void drawf(PlotState& state, Canvas& canvas, std::string_view term, int slot);

// The curve (x(t), term) of curve slot 1 or 2, sampled at curnt + 1 points from tmin.
void drawk(PlotState& state, Canvas& canvas, Ui& ui, std::string_view term, int slot);

} // namespace vestrano
