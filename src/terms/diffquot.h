#pragma once

#include <string>
#include <string_view>

namespace vestrano {

class Ui;

// Expands the derivative notation of `slot` (0..2) of the mode into a difference quotient.
std::string diffquot(std::string_view text, int slot, int mode, Ui& ui);

} // namespace vestrano
