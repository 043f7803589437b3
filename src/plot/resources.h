#pragma once

#include <cstdint>

namespace vestrano {

struct PlotState;
class TextMetrics;

constexpr int16_t kSlotPens = 1;  // makepens flag: the three slot pens
constexpr int16_t kFixedPens = 2; // makepens flag: help-line and axis pens, the three fonts

// Rebuilds the descriptions of the pens and fonts chosen by `flags`. Each rebuilt object
// gets a new number in PlotState::pens, so the drawing side knows to make it anew; a slot
// pen whose width and colour are unchanged keeps its number.
void makepens(PlotState& state, int16_t flags);

// Rebuilds the fixed pens and fonts and measures the digit "0" in the label font and the
// axis-name font into charh/charw.
void fosize(PlotState& state, TextMetrics& metrics);

} // namespace vestrano
