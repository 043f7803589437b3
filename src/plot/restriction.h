#pragma once

#include <optional>
#include <string>

namespace vestrano {

struct PlotState;
class Ui;

// The value of a restriction bound as typed, with the parameters' current values; nullopt when
// the text is empty or cannot be evaluated.
std::optional<double> restrictionValue(PlotState& state, Ui& ui, const std::string& text);

// The drawing range of function slot k (0..2): the first and last sample index between the
// restriction bounds of the intervals window, evaluated with the parameters' current values.
// An empty or unreadable bound leaves that end of the x range open; bounds given the wrong
// way round are swapped. Needs `curnx` and the slot's step set for the slot.
void checkdef(PlotState& state, Ui& ui, int k);

} // namespace vestrano
