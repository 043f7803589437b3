#pragma once

#include "engine/engine_error.h"
#include "engine/lexer.h"

#include <vector>

namespace vestrano {

// Checks what may follow what in a token list ending with Tok::End: code 2 for brackets that
// do not pair up, code 9 for any other misplaced token.
EngineError checkSyntax(const std::vector<Token>& tokens);

bool isBinaryOperator(Tok kind);

} // namespace vestrano
