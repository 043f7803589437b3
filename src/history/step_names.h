#pragma once

#include <string>

#include "state/user_step.h"

namespace vestrano {

struct PlotSnapshot;

// What the edit menu calls a step, after "Rückgängig: " or "Wiederholen: ": "f(x) übernehmen",
// "Parameterwert a", "Zoom". The slot or parameter is the first one the step changed.
std::string stepName(UserStep step, const PlotSnapshot& before, const PlotSnapshot& after);

} // namespace vestrano
