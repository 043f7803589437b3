#pragma once

#include "engine/engine_error.h"
#include "engine/expr_tree.h"
#include "engine/symbols.h"

#include <string_view>

namespace vestrano {

// Parses `text` into `tree`, resolving every name at once: user functions are inlined as they
// are defined now. Reports the first problem in the text: syntax, an undefined variable (3) or
// function (11), a wrong argument count (12), a recursive definition (1), a term nested too
// deeply (9) or too large after inlining (10).
EngineError parseExpression(std::string_view text, SymbolTable& symbols, ExprTree& tree,
                            int32_t& root);

// Lexes and checks a function body or variable value without resolving names.
EngineError checkText(std::string_view text, const SymbolTable& symbols);

} // namespace vestrano
