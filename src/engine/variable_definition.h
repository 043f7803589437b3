#pragma once

#include "engine/engine_error.h"
#include "engine/symbols.h"

#include <string>
#include <string_view>

namespace vestrano {

struct VariableDefinition {
    std::string name;
    std::string value; // expression text; empty: 0
};

// "name", "name=expr" or "name$=expr".
EngineError splitVariableDefinition(std::string_view text, VariableDefinition& out);

// "name(a, b)=body"; the body is not checked here.
EngineError splitFunctionDefinition(std::string_view text, UserFunction& out);

} // namespace vestrano
