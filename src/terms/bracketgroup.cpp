#include "terms/bracketgroup.h"

#include "state/ui.h"

namespace vestrano {

namespace {
constexpr const char* kBracketError = "Fehlerhafte Klammersetzung!";
constexpr const char* kProgramTitle = "Vestrano";
} // namespace

std::string bracketgroup(std::string_view text, std::size_t start, Ui& ui) {
    const std::size_t open = text.find('(', start > 0 ? start - 1 : 0);
    // No bracket at all (a lone "exp") is nothing the user got wrong.
    if (open == std::string_view::npos) {
        return {};
    }
    std::size_t depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')') {
            --depth;
        }
        if (depth == 0) {
            return std::string(text.substr(open, i - open + 1));
        }
    }
    ui.message(kBracketError, kProgramTitle, MessageIcon::None);
    return {};
}

} // namespace vestrano
