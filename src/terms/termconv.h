#pragma once

#include <string>
#include <string_view>

namespace vestrano {

class Ui;

// Rewrites a term typed in the German notation into engine notation; an empty result means
// there is no term. `mode` 0 functions of x, 1 curves of t. Bracket errors go to `ui`.
std::string termconv(std::string_view text, int mode, Ui& ui);

// direction 1 protects the logic words (" und " -> ":und:"), direction 2 turns them into
// engine words (":und:" -> " and ").
std::string logicswap(std::string_view text, int direction);

} // namespace vestrano
