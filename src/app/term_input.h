#pragma once

#include <string>
#include <string_view>

namespace vestrano {

struct ProgramContext;
struct PlotState;
class Ui;

// Takes over the term window's inputs: interprets all terms, arranges the parameter windows
// when they are arranged, and redraws unless told not to.
void findandget(ProgramContext& ctx, bool noredraw);

// The same, from the term window itself (Enter, the slot button, a click into a line).
void findandgetpre(ProgramContext& ctx, bool noredraw);

// The check box of slot i: a hidden slot's line turns grey and its graph goes, without
// interpreting the terms again.
void showSlot(ProgramContext& ctx, int i, bool visible);

// `text` with every parameter in use replaced by its current value, written with a decimal
// comma and bracketed when negative.
std::string entpara(PlotState& state, std::string_view text);

// Puts the terms on the clipboard, one line "f(x)=..." per non-empty slot, with the
// parameters replaced by their values when asked.
void paracopy(PlotState& state, Ui& ui, bool withparams);

} // namespace vestrano
