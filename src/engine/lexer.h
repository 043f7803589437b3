#pragma once

#include "engine/engine_error.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vestrano {

enum class Tok {
    Number,
    Name,
    LParen,
    RParen,
    Comma,
    Plus,
    Minus,
    Star,
    Slash,
    Caret,
    Backslash,
    Bang,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    // operator words
    Div,
    Mod,
    Not,
    And,
    Or,
    Xor,
    Eqv,
    Imp,
    End,
};

struct Token {
    Tok kind = Tok::End;
    std::size_t pos = 0;
    std::string_view text; // as written, for names
    double value = 0;      // for numbers
};

// Lower-case name -> lower-case name it stands for (already resolved to the end of the chain).
using AliasMap = std::unordered_map<std::string, std::string>;

bool isValidName(std::string_view name);
// The operator a lower-case word stands for, or Tok::Name when it is no operator word.
Tok operatorWord(std::string_view lower);

// Splits `text` into tokens ending with Tok::End. Names that are operator words, directly or
// through an alias, become operator tokens. Tokens refer into `text`.
EngineError lex(std::string_view text, const AliasMap& aliases, std::vector<Token>& out);

} // namespace vestrano
