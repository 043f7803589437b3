#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vestrano {

struct PlotState;

// A slot whose term begins with this is an integral function of its argument.
inline constexpr std::string_view kIntegralCall = "integral(";
class Ui;

// Converts and checks slot k; returns an error text or "".
std::string checkslot(PlotState& state, Ui& ui, int k);

// Run once the slot functions are defined: a slot whose function cannot be expanded (it calls
// itself, directly or through another slot) is emptied. Returns one error text per such slot.
std::vector<std::string> checkSlotFunctions(PlotState& state);

// Marks slot k as an integral function or not; true when it uses the integral function F(x).
bool markIntegral(PlotState& state, Ui& ui, int k);

// The lines, points and interval texts in one expression, only evaluated to find parameters.
std::string combinedText(const PlotState& state);

} // namespace vestrano
