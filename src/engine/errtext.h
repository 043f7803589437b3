#pragma once

#include <string>

namespace vestrano {

class ExprEngine;

// German message for an engine error code; -1 stands for the engine's current error.
// Codes outside 1..32 give the empty text.
std::string errtext(const ExprEngine& engine, int code);

} // namespace vestrano
