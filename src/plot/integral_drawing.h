#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vestrano {

struct PlotState;
class Canvas;
class ExprPass;
class Ui;

// The bracketed integrand of function or curve slot `slot` whose engine text is `term`; none
// when F(x) is asked for without an f(x).
std::optional<std::string> integrandOf(const PlotState& state, std::string_view term, int slot);

// Parses the test that is 1 while `text` stays finite (1/(1+|text|) not below inflimit).
int32_t ifdl(const PlotState& state, ExprPass& pass, std::string_view text);

// The integral function of function slot `slot`, accumulated from the slot's lower bound
// outwards in both directions; 0 at the bound. False when the lower bound lies too many steps
// away from the drawing range to walk there: that direction is not drawn.
bool stammf(PlotState& state, Canvas& canvas, std::string_view term, int slot);

// The same in curve mode, drawn against x(t); false when t would take too many steps to
// leave its interval.
bool stammk(PlotState& state, Canvas& canvas, Ui& ui, std::string_view term, int slot);

} // namespace vestrano
