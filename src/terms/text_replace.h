#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vestrano {

// Replaces every occurrence of `from`, left to right; inserted text is not searched again.
// Returns the number of replacements. An empty `from` changes nothing.
std::size_t replaceAll(std::string& text, std::string_view from, std::string_view to);

} // namespace vestrano
