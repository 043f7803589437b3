#pragma once

#include <string>
#include <string_view>

namespace vestrano {

struct ProgramContext;

// A term written for `oldmode` in the names of `newmode`: the variable, the slot functions,
// their derivatives and the integral function. A stand-alone name that is the new variable
// gets a "0" appended first, so it stays a parameter.
std::string translateTerm(std::string_view text, int oldmode, int newmode);

// Switches between functions of x (0) and curves of t (1): the terms are translated, a
// parameter named like the new variable is freed, then everything is interpreted and drawn.
void togglefork(ProgramContext& ctx, int newmode);

// The menu items "Funktionenplotter" and "Kurvenplotter": the mode that is already on stays.
void chooseMode(ProgramContext& ctx, int newmode);

} // namespace vestrano
