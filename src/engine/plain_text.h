#pragma once

#include <string>
#include <string_view>

namespace vestrano {

// `text` without the leading and trailing characters found in `blanks`. Most input only
// pads with spaces; definitions also allow tabs and profile lines also carry '\r'.
std::string_view trimmed(std::string_view text, std::string_view blanks = " ");

// ASCII letters in lower case; names are ASCII, so no locale can change the result.
constexpr char lowerLetter(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string lowerName(std::string_view name);

} // namespace vestrano
