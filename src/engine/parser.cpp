#include "engine/parser.h"

#include "engine/builtins.h"
#include "engine/lexer.h"
#include "engine/plain_text.h"
#include "engine/syntax_rules.h"

#include <array>
#include <utility>
#include <vector>

namespace vestrano {
namespace {

constexpr int kMaxDepth = 500;
// A valid term past the limits should not read as a wrong one.
constexpr const char* kTooComplex = "Term zu lang oder zu tief verschachtelt";

// State shared by the parse of a text and of every function body inlined into it.
struct ParseContext {
    SymbolTable& symbols;
    ExprTree& tree;
    int depth = 0;
    std::vector<std::pair<std::string, std::size_t>> expanding; // functions being inlined
};

// Parameters of the function whose body is being parsed, bound to the caller's operands.
struct Scope {
    const std::vector<std::string>* params = nullptr;
    std::vector<int32_t> args;
};

struct BinaryLevel {
    std::array<std::pair<Tok, NodeOp>, 6> ops;
};

// Lowest precedence first; "not" sits between "and" and the comparisons.
// Unused entries have NodeOp::Const.
constexpr std::array<BinaryLevel, 10> kLevels{{
    {{{{Tok::Imp, NodeOp::Imp}}}},
    {{{{Tok::Eqv, NodeOp::Eqv}}}},
    {{{{Tok::Xor, NodeOp::Xor}}}},
    {{{{Tok::Or, NodeOp::Or}}}},
    {{{{Tok::And, NodeOp::And}}}},
    {}, // "not", parsed by notLevel()
    {{{{Tok::Eq, NodeOp::Eq},
       {Tok::Ne, NodeOp::Ne},
       {Tok::Lt, NodeOp::Lt},
       {Tok::Gt, NodeOp::Gt},
       {Tok::Le, NodeOp::Le},
       {Tok::Ge, NodeOp::Ge}}}},
    {{{{Tok::Plus, NodeOp::Add}, {Tok::Minus, NodeOp::Sub}}}},
    {{{{Tok::Mod, NodeOp::Mod}}}},
    {{{{Tok::Backslash, NodeOp::IDiv}, {Tok::Div, NodeOp::IDiv}}}},
}};
constexpr std::size_t kNotLevel = 5; // "not" applies to a comparison
constexpr std::size_t kMulLevel = kLevels.size();

class Parser {
  public:
    Parser(ParseContext& ctx, const std::vector<Token>& tokens, Scope scope, std::size_t errPos)
        : ctx_(ctx), t_(tokens), scope_(std::move(scope)), errPos_(errPos) {}

    int32_t parse() {
        int32_t root = expression();
        if (!err_ && t_[i_].kind != Tok::End) {
            fail(ErrorCode::InvalidTerm, t_[i_].pos);
        }
        return err_ ? -1 : root;
    }
    EngineError error() const { return err_; }

  private:
    ExprTree& tree() { return ctx_.tree; }
    const Token& peek() const { return t_[i_]; }
    bool accept(Tok k) {
        if (t_[i_].kind != k) {
            return false;
        }
        ++i_;
        return true;
    }
    // Errors inside an inlined body are placed at the call.
    int32_t fail(ErrorCode code, std::size_t pos, std::string data = {}) {
        if (!err_) {
            err_ = makeError(code, errPos_ == npos ? pos : errPos_, std::move(data));
        }
        return -1;
    }
    bool enter() {
        if (++ctx_.depth > kMaxDepth) {
            fail(ErrorCode::MessageInData, peek().pos, kTooComplex);
            return false;
        }
        return true;
    }
    void leave() { --ctx_.depth; }
    bool limitsPassed() {
        if (tree().tooBig()) {
            fail(ErrorCode::DefinitionsFull, peek().pos);
        }
        if (tree().tooDeep()) {
            fail(ErrorCode::MessageInData, peek().pos, kTooComplex);
        }
        return static_cast<bool>(err_);
    }

    int32_t expression() {
        if (!enter()) {
            return -1;
        }
        int32_t r = level(0);
        leave();
        return r;
    }

    int32_t level(std::size_t k) {
        if (k == kNotLevel) {
            return notLevel();
        }
        if (k == kMulLevel) {
            return multiplicative();
        }
        int32_t lhs = level(k + 1);
        while (lhs >= 0) {
            NodeOp op{};
            if (!matchOperator(kLevels[k], op)) {
                break;
            }
            int32_t rhs = level(k + 1);
            if (rhs < 0) {
                return -1;
            }
            lhs = tree().binary(op, lhs, rhs);
        }
        return lhs;
    }

    bool matchOperator(const BinaryLevel& lv, NodeOp& op) {
        for (const auto& [tok, nodeOp] : lv.ops) {
            if (nodeOp == NodeOp::Const || tok != peek().kind) {
                continue;
            }
            ++i_;
            op = nodeOp;
            return true;
        }
        return false;
    }

    int32_t notLevel() {
        if (!accept(Tok::Not)) {
            return level(kNotLevel + 1);
        }
        if (!enter()) {
            return -1;
        }
        int32_t a = notLevel();
        leave();
        return a < 0 ? -1 : tree().unary(NodeOp::Not, a);
    }

    int32_t multiplicative() {
        int32_t lhs = unary();
        while (lhs >= 0) {
            NodeOp op = peek().kind == Tok::Star    ? NodeOp::Mul
                        : peek().kind == Tok::Slash ? NodeOp::Div
                                                    : NodeOp::Const;
            if (op == NodeOp::Const) {
                break;
            }
            ++i_;
            int32_t rhs = unary();
            if (rhs < 0) {
                return -1;
            }
            lhs = tree().binary(op, lhs, rhs);
        }
        return lhs;
    }

    // Unary signs bind weaker than "^" (-x^2 is -(x^2)) and stronger than "*".
    int32_t unary() {
        Tok k = peek().kind;
        if (k == Tok::Not) {
            return notLevel();
        }
        if (k != Tok::Minus && k != Tok::Plus) {
            return power();
        }
        ++i_;
        if (!enter()) {
            return -1;
        }
        int32_t a = unary();
        leave();
        if (a < 0 || k == Tok::Plus) {
            return a;
        }
        return tree().unary(NodeOp::Neg, a);
    }

    // "^" is right-associative and takes a signed exponent: 2^-3^2 is 2^(-(3^2)).
    int32_t power() {
        int32_t base = postfix();
        if (base < 0 || !accept(Tok::Caret)) {
            return base;
        }
        if (!enter()) {
            return -1;
        }
        int32_t exponent = unary();
        leave();
        return exponent < 0 ? -1 : tree().binary(NodeOp::Pow, base, exponent);
    }

    int32_t postfix() {
        int32_t a = primary();
        while (a >= 0 && accept(Tok::Bang)) {
            a = tree().unary(NodeOp::Fact, a);
        }
        return a;
    }

    int32_t primary() {
        if (limitsPassed()) {
            return -1;
        }
        const Token& tok = peek();
        ++i_;
        switch (tok.kind) {
        case Tok::Number:
            return tree().constant(tok.value);
        case Tok::LParen: {
            int32_t a = expression();
            if (a >= 0 && !accept(Tok::RParen)) {
                return fail(ErrorCode::Brackets, peek().pos);
            }
            return a;
        }
        case Tok::Name:
            if (peek().kind == Tok::LParen) {
                return call(tok);
            }
            return name(tok);
        default:
            return fail(ErrorCode::InvalidTerm, tok.pos);
        }
    }

    int32_t name(const Token& tok) {
        std::string lower = lowerName(tok.text);
        if (int32_t bound = parameter(lower); bound >= 0) {
            return bound;
        }
        std::string key = ctx_.symbols.resolve(lower);
        if (double* storage = ctx_.symbols.findVariable(key)) {
            return tree().variable(storage);
        }
        // "sin" or "f" without an argument list
        if (ctx_.symbols.hasFunction(key) || findBuiltin(key)) {
            return fail(ErrorCode::ArgumentCount, tok.pos, std::string(tok.text));
        }
        return fail(ErrorCode::UndefinedVariable, tok.pos, std::string(tok.text));
    }

    int32_t parameter(const std::string& lower) const {
        if (!scope_.params) {
            return -1;
        }
        for (std::size_t p = 0; p < scope_.params->size(); ++p) {
            if ((*scope_.params)[p] == lower) {
                return scope_.args[p];
            }
        }
        return -1;
    }

    int32_t call(const Token& tok) {
        std::string key = ctx_.symbols.resolve(lowerName(tok.text));
        const Builtin* builtin = findBuiltin(key);
        // Reported before the arguments, so the first unknown name in the text comes first.
        if (!builtin && !ctx_.symbols.hasFunction(key)) {
            return fail(ErrorCode::UndefinedFunction, tok.pos, std::string(tok.text));
        }
        std::vector<int32_t> args;
        if (!arguments(args)) {
            return -1;
        }
        if (const UserFunction* f = ctx_.symbols.findFunction(key, args.size())) {
            return inlineCall(*f, key, std::move(args), tok.pos);
        }
        if (builtin && acceptsArgCount(*builtin, args.size())) {
            return builtinCall(*builtin, args);
        }
        return fail(ErrorCode::ArgumentCount, tok.pos, std::string(tok.text));
    }

    bool arguments(std::vector<int32_t>& args) {
        accept(Tok::LParen);
        if (accept(Tok::RParen)) {
            return true;
        }
        do {
            int32_t a = expression();
            if (a < 0) {
                return false;
            }
            args.push_back(a);
        } while (accept(Tok::Comma));
        if (!accept(Tok::RParen)) {
            fail(ErrorCode::Brackets, peek().pos);
            return false;
        }
        return true;
    }

    int32_t builtinCall(const Builtin& b, const std::vector<int32_t>& args) {
        switch (b.kind) {
        case BuiltinKind::Unary:
            return tree().unary(NodeOp::Func, args[0], b.fn);
        case BuiltinKind::Iif:
            return tree().iif(args[0], args[1], args[2]);
        case BuiltinKind::Min:
        case BuiltinKind::Max: {
            NodeOp op = b.kind == BuiltinKind::Min ? NodeOp::Min : NodeOp::Max;
            int32_t r = args[0];
            for (std::size_t k = 1; k < args.size(); ++k) {
                r = tree().binary(op, r, args[k]);
            }
            return r;
        }
        }
        return -1;
    }

    int32_t inlineCall(const UserFunction& f, const std::string& key, std::vector<int32_t> args,
                       std::size_t pos) {
        std::pair<std::string, std::size_t> id{key, args.size()};
        for (const auto& active : ctx_.expanding) {
            if (active == id) {
                return fail(ErrorCode::MessageInData, pos, "Rekursive Definition: " + f.name);
            }
        }
        // A function defined with an empty body ("f(x)=") is 0, whatever its arguments.
        if (f.body.find_first_not_of(" \t") == std::string::npos) {
            return tree().constant(0);
        }
        std::vector<Token> tokens;
        EngineError err = lex(f.body, ctx_.symbols.aliases(), tokens);
        if (!err) {
            err = checkSyntax(tokens);
        }
        if (err) {
            return fail(err.code, pos, err.data);
        }
        if (!enter()) {
            return -1;
        }
        ctx_.expanding.push_back(id);
        Parser body(ctx_, tokens, Scope{&f.params, std::move(args)},
                    errPos_ == npos ? pos : errPos_);
        int32_t r = body.parse();
        ctx_.expanding.pop_back();
        leave();
        if (r < 0) {
            return fail(body.error().code, pos, body.error().data);
        }
        return limitsPassed() ? -1 : r;
    }

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    ParseContext& ctx_;
    const std::vector<Token>& t_;
    Scope scope_;
    std::size_t errPos_;
    std::size_t i_ = 0;
    EngineError err_;
};

} // namespace

EngineError checkText(std::string_view text, const SymbolTable& symbols) {
    std::vector<Token> tokens;
    if (auto err = lex(text, symbols.aliases(), tokens)) {
        return err;
    }
    return checkSyntax(tokens);
}

EngineError parseExpression(std::string_view text, SymbolTable& symbols, ExprTree& tree,
                            int32_t& root) {
    std::vector<Token> tokens;
    if (auto err = lex(text, symbols.aliases(), tokens)) {
        return err;
    }
    if (auto err = checkSyntax(tokens)) {
        return err;
    }
    ParseContext ctx{symbols, tree, 0, {}};
    Parser parser(ctx, tokens, Scope{}, static_cast<std::size_t>(-1));
    root = parser.parse();
    return parser.error();
}

} // namespace vestrano
