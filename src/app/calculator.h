#pragma once

#include <string>
#include <string_view>

namespace vestrano {

struct PlotState;
class Ui;

// What the calculator window shows.
struct CalcTexts {
    std::string input;         // the expression, in the notation of the terms
    std::string result;        // the rounded value or the error text
    std::string reportedInput; // input whose conversion messages were shown already
};

// Evaluates the input with the current parameter values into the result, rounded to
// PlotState::calc decimals.
void docalc(PlotState& state, Ui& ui);

// Takes `text` as the new number of decimals (0..22), then recalculates. True when the
// number was taken over, so that the caller can store the settings.
bool checkround(PlotState& state, Ui& ui, std::string_view text);

// General number form with "." as decimal point: up to 15 significant digits, trailing
// zeros dropped, exponent form ("1E-10", "1.5E+20") below 1E-4 and from 1E15 on.
std::string generalnum(double value);

} // namespace vestrano
