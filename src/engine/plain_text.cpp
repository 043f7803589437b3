#include "engine/plain_text.h"

namespace vestrano {

std::string_view trimmed(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

std::string lowerName(std::string_view name) {
    std::string s(name);
    for (char& c : s) {
        c = lowerLetter(c);
    }
    return s;
}

} // namespace vestrano
