#pragma once

#include <string>
#include <string_view>

namespace vestrano {

// Whole-name substitution. Mask bit 1 skips hits preceded by a letter or digit, bit 2 hits
// followed by a letter, digit, "'" or "(" (mask 3: only stand-alone names). Blanks are removed
// from the text.
std::string subst(std::string_view text, std::string_view name, std::string_view replacement,
                  int mask);

} // namespace vestrano
