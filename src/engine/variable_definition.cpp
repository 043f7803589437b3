#include "engine/variable_definition.h"

#include "engine/lexer.h"

#include <algorithm>

namespace vestrano {
namespace {

std::string_view trim(std::string_view s) {
    std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) {
        return {};
    }
    std::size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

// A name the user may define: not an operator word like "and" or "mod".
bool isDefinableName(std::string_view name) {
    return isValidName(name) && operatorWord(lowerName(name)) == Tok::Name;
}

EngineError invalid(std::string_view text) {
    return makeError(ErrorCode::InvalidTerm, 0, std::string(trim(text)));
}

} // namespace

EngineError splitVariableDefinition(std::string_view text, VariableDefinition& out) {
    std::size_t eq = text.find('=');
    std::string_view name = trim(text.substr(0, eq));
    if (!name.empty() && name.back() == '$') {
        name = trim(name.substr(0, name.size() - 1));
    }
    if (!isDefinableName(name)) {
        return invalid(text);
    }
    out.name = std::string(name);
    out.value =
        eq == std::string_view::npos ? std::string() : std::string(trim(text.substr(eq + 1)));
    return {};
}

EngineError splitFunctionDefinition(std::string_view text, UserFunction& out) {
    std::size_t open = text.find('(');
    std::size_t close = text.find(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
        return invalid(text);
    }
    std::string_view name = trim(text.substr(0, open));
    std::string_view afterList = trim(text.substr(close + 1));
    if (!isDefinableName(name) || afterList.empty() || afterList.front() != '=') {
        return invalid(text);
    }
    out.name = std::string(name);
    out.body = std::string(trim(afterList.substr(1)));
    out.params.clear();
    std::string_view list = trim(text.substr(open + 1, close - open - 1));
    while (!list.empty()) {
        std::size_t comma = list.find(',');
        std::string_view param = trim(list.substr(0, comma));
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
        if (trim(list).empty()) { // "f(x,)"
            return invalid(text);
        }
    }
    return {};
}

} // namespace vestrano
