#pragma once

#include <string>
#include <string_view>

namespace vestrano {

class Ui;

// Expands the derivative notation of slot name k (3, 4 or 5) of the mode into a difference
// quotient.
std::string diffquot(std::string_view text, int k, int mode, Ui& ui);

} // namespace vestrano
