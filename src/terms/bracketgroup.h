#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vestrano {

class Ui;

// The bracketed group starting at the first "(" at or after `start` (1-based), brackets
// included; empty (after telling the user) when the brackets do not balance.
std::string bracketgroup(std::string_view text, std::size_t start, Ui& ui);

} // namespace vestrano
