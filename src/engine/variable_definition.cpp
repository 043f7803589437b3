#include "engine/variable_definition.h"

#include "engine/lexer.h"
#include "engine/plain_text.h"

#include <algorithm>

namespace vestrano {
namespace {

// Definitions may be indented with tabs as well as spaces.
constexpr std::string_view kBlanks = " \t";

// A name the user may define: not an operator word like "and" or "mod".
bool isDefinableName(std::string_view name) {
    return isValidName(name) && operatorWord(lowerName(name)) == Tok::Name;
}

EngineError invalid(std::string_view text) {
    return makeError(ErrorCode::InvalidTerm, 0, std::string(trimmed(text, kBlanks)));
}

} // namespace

EngineError splitVariableDefinition(std::string_view text, VariableDefinition& out) {
    std::size_t eq = text.find('=');
    std::string_view name = trimmed(text.substr(0, eq), kBlanks);
    if (!name.empty() && name.back() == '$') {
        name = trimmed(name.substr(0, name.size() - 1), kBlanks);
    }
    if (!isDefinableName(name)) {
        return invalid(text);
    }
    out.name = std::string(name);
    out.value = eq == std::string_view::npos ? std::string()
                                             : std::string(trimmed(text.substr(eq + 1), kBlanks));
    return {};
}

EngineError splitFunctionDefinition(std::string_view text, UserFunction& out) {
    std::size_t open = text.find('(');
    std::size_t close = text.find(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
        return invalid(text);
    }
    std::string_view name = trimmed(text.substr(0, open), kBlanks);
    std::string_view afterList = trimmed(text.substr(close + 1), kBlanks);
    if (!isDefinableName(name) || afterList.empty() || afterList.front() != '=') {
        return invalid(text);
    }
    out.name = std::string(name);
    out.body = std::string(trimmed(afterList.substr(1), kBlanks));
    out.params.clear();
    std::string_view list = trimmed(text.substr(open + 1, close - open - 1), kBlanks);
    while (!list.empty()) {
        std::size_t comma = list.find(',');
        std::string_view param = trimmed(list.substr(0, comma), kBlanks);
        std::string lower = lowerName(param);
        if (!isDefinableName(param) ||
            std::find(out.params.begin(), out.params.end(), lower) != out.params.end()) {
            return invalid(text);
        }
        out.params.push_back(lower);
        if (comma == std::string_view::npos) {
            break;
        }
        list = list.substr(comma + 1);
        if (trimmed(list, kBlanks).empty()) { // "f(x,)"
            return invalid(text);
        }
    }
    return {};
}

} // namespace vestrano
