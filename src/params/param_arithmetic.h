#pragma once

#include <string_view>

#include "state/result.h"

namespace vestrano {

struct PlotState;
struct ProgramContext;

// Sample counts a count slot (3..7) may take.
constexpr double kFewestSamples = 2;
constexpr double kMostSamples = 20000;

// The user moved the slot's bar to `pos` (0..1000).
void scrollPara(ProgramContext& ctx, int s, int pos);

// Takes the value from the bar position; while setpar moves the bar it keeps the exact value
// instead. Then redraws and recalculates.
void changepar(ProgramContext& ctx, int s);

// Sets slot s to v, moves the bar to the value's place within the bounds (the value itself is
// never clamped) and redraws. Count slots write the whole number they took back into v.
// False when an integral lower bound lies outside the interval: the message is shown and
// nothing changes.
bool setpar(ProgramContext& ctx, int s, double& v);

// Shows and stores new bounds, then puts the value at its new place on the bar. Bounds whose
// distance is no finite number are refused with a message, and the old ones are shown again.
void setparb(ProgramContext& ctx, int s, double lower, double upper);

// The bound boxes were left or confirmed with these texts. Refused bounds show the old ones
// again.
void chpari(ProgramContext& ctx, int s, std::string_view lowerText, std::string_view upperText);

// The value box was left or confirmed with this text.
void enterValue(ProgramContext& ctx, int s, std::string_view text);

// Whether v may be slot s's value: a lower bound of an integral function must lie in the
// interval. The German reason otherwise.
Status allowedValue(const PlotState& state, int s, double v);

// Tells a number field's text apart from one the engine could not read.
bool validNumber(const ProgramContext& ctx, double v);

// "Die Eingabe ist keine gültige Zahl!", shared by every number field of the parameters.
void numberMessage(ProgramContext& ctx);

} // namespace vestrano
