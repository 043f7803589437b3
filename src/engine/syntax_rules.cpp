#include "engine/syntax_rules.h"

namespace vestrano {
namespace {

bool startsOperand(Tok k) {
    return k == Tok::Number || k == Tok::Name || k == Tok::LParen || k == Tok::Plus ||
           k == Tok::Minus || k == Tok::Not;
}

bool endsOperand(const std::vector<Token>& t, std::size_t i) {
    Tok k = t[i].kind;
    if (k == Tok::Name) {
        return t[i + 1].kind != Tok::LParen;
    }
    return k == Tok::Number || k == Tok::RParen || k == Tok::Bang;
}

EngineError checkBrackets(const std::vector<Token>& t) {
    std::size_t depth = 0;
    std::size_t lastOpen = 0;
    for (const Token& tok : t) {
        if (tok.kind == Tok::LParen) {
            ++depth;
            lastOpen = tok.pos;
        }
        if (tok.kind != Tok::RParen) {
            continue;
        }
        if (depth == 0) { // "1+2)"
            return makeError(ErrorCode::Brackets, tok.pos);
        }
        --depth;
    }
    if (depth > 0) { // "(1+2"
        return makeError(ErrorCode::Brackets, lastOpen);
    }
    return {};
}

// What may follow token i (i is not the last token).
EngineError checkFollower(const std::vector<Token>& t, std::size_t i, bool insideCall) {
    const Token& next = t[i + 1];
    auto reject = [&] { return makeError(ErrorCode::InvalidTerm, next.pos); };
    if (endsOperand(t, i)) {
        // "2 3", "x (1)", "2 not 1": an operand is followed by an operator, ")" "," "!" or the end
        if (isBinaryOperator(next.kind) || next.kind == Tok::RParen || next.kind == Tok::Bang ||
            next.kind == Tok::End) {
            return {};
        }
        if (next.kind == Tok::Comma && insideCall) {
            return {};
        }
        return reject(); // also "(1, 2)": a comma outside an argument list
    }
    // A call may have no arguments: "f()"
    if (t[i].kind == Tok::LParen && i > 0 && t[i - 1].kind == Tok::Name &&
        next.kind == Tok::RParen) {
        return {};
    }
    // "2*/3", "(*2", "f(1,)", "-)", "2+": after an operator, "(" or "," an operand must start
    if (!startsOperand(next.kind)) {
        return reject();
    }
    return {};
}

} // namespace

bool isBinaryOperator(Tok k) {
    switch (k) {
    case Tok::Plus:
    case Tok::Minus:
    case Tok::Star:
    case Tok::Slash:
    case Tok::Caret:
    case Tok::Backslash:
    case Tok::Eq:
    case Tok::Ne:
    case Tok::Lt:
    case Tok::Gt:
    case Tok::Le:
    case Tok::Ge:
    case Tok::Div:
    case Tok::Mod:
    case Tok::And:
    case Tok::Or:
    case Tok::Xor:
    case Tok::Eqv:
    case Tok::Imp:
        return true;
    default:
        return false;
    }
}

EngineError checkSyntax(const std::vector<Token>& t) {
    if (auto err = checkBrackets(t)) {
        return err;
    }
    // "" and "*2": the text starts with an operand
    if (!startsOperand(t.front().kind)) {
        return makeError(ErrorCode::InvalidTerm, t.front().pos);
    }
    // For each open bracket: does it open an argument list?
    std::vector<bool> callStack;
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i].kind == Tok::LParen) {
            callStack.push_back(i > 0 && t[i - 1].kind == Tok::Name);
        }
        if (t[i].kind == Tok::RParen) {
            callStack.pop_back();
        }
        bool insideCall = !callStack.empty() && callStack.back();
        if (auto err = checkFollower(t, i, insideCall)) {
            return err;
        }
    }
    return {};
}

} // namespace vestrano
