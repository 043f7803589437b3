#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vestrano {

class ExprEngine;
struct PlotState;

// Defines a variable, with a value text when `value` is not empty ("name$=value").
int32_t defvar(ExprEngine& engine, std::string_view definition, std::string_view value = {});

// Defines a function "name(args)=body".
void deffunc(ExprEngine& engine, std::string_view definition, int callback = 0);

// The program's variables: the mode variable, the integration and view variables, and the
// fixed parameter slots 0..7 (integral lower bounds, sample counts).
void definevars(PlotState& state);

// Constants, helper functions and German aliases.
void definecore(ExprEngine& engine);

// Defines the three slot functions of the current mode with the given bodies.
void defslots(PlotState& state, std::string_view a, std::string_view b, std::string_view c);

// Defines the slot functions so that references between them resolve; returns the collected
// error texts ("" when all went well).
std::string defslotsordered(PlotState& state, std::string_view a, std::string_view b,
                            std::string_view c);

// The set-up every interpretation starts from: reset, variables, mode variable 1, core.
void setupEngine(PlotState& state);

} // namespace vestrano
