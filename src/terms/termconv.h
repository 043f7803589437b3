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

// The bracketed group starting at the first "(" at or after `start` (1-based), brackets
// included; empty (after telling the user) when the brackets do not balance.
std::string bracketgroup(std::string_view text, std::size_t start, Ui& ui);

// Expands the derivative notation of slot name k (3, 4 or 5) of the mode.
std::string diffquot(std::string_view text, int k, int mode, Ui& ui);

} // namespace vestrano
