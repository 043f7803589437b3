#include "engine/lexer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <utility>

#include "engine/plain_text.h"

namespace vestrano {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isNameChar(char c) {
    return isLetter(c) || isDigit(c) || c == '_';
}

class Lexer {
  public:
    Lexer(std::string_view text, const AliasMap& aliases, std::vector<Token>& out)
        : text_(text), aliases_(aliases), out_(out) {}

    EngineError run() {
        // A quote is reported wherever it stands, before anything else.
        if (auto q = text_.find('"'); q != std::string_view::npos) {
            return makeError(ErrorCode::Quote, q);
        }
        while (true) {
            while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
                ++pos_;
            }
            if (pos_ >= text_.size()) {
                break;
            }
            if (auto err = next()) {
                return err;
            }
        }
        out_.push_back(Token{Tok::End, text_.size(), {}, 0});
        return {};
    }

  private:
    EngineError next() {
        char c = text_[pos_];
        if (isDigit(c) || c == '.') {
            return number();
        }
        if (isLetter(c)) {
            return name();
        }
        if (c == '&') {
            return radixNumber();
        }
        return symbol();
    }

    EngineError number() {
        std::size_t start = pos_;
        std::size_t digits = skipDigits();
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            digits += skipDigits();
        }
        if (digits == 0) {
            return makeError(ErrorCode::InvalidTerm, start);
        }
        exponent();
        // "1.2.3" or "1.5.": a second point cannot start anything
        if (pos_ < text_.size() && text_[pos_] == '.') {
            return makeError(ErrorCode::InvalidTerm, pos_);
        }
        // from_chars, unlike strtod, ignores the user's locale (a German one reads "1,5")
        double value = 0;
        std::string_view literal = text_.substr(start, pos_ - start);
        auto res = std::from_chars(literal.data(), literal.data() + literal.size(), value);
        if (res.ec == std::errc::result_out_of_range) { // "1E400" is infinite, "1E-400" is zero
            value = literal.find('-') == std::string_view::npos ? HUGE_VAL : 0.0;
        }
        push(Tok::Number, start, value);
        return {};
    }

    // Takes "e3", "E-10", "e+3"; an "e" without digits is left for the name that follows.
    void exponent() {
        if (pos_ >= text_.size() || lowerLetter(text_[pos_]) != 'e') {
            return;
        }
        std::size_t p = pos_ + 1;
        if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) {
            ++p;
        }
        if (p >= text_.size() || !isDigit(text_[p])) {
            return;
        }
        pos_ = p;
        skipDigits();
    }

    std::size_t skipDigits() {
        std::size_t start = pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_])) {
            ++pos_;
        }
        return pos_ - start;
    }

    EngineError name() {
        std::size_t start = pos_;
        while (pos_ < text_.size() && isNameChar(text_[pos_])) {
            ++pos_;
        }
        std::string_view written = text_.substr(start, pos_ - start);
        std::string key = lowerName(written);
        if (auto it = aliases_.find(key); it != aliases_.end()) {
            key = it->second;
        }
        Token t{operatorWord(key), start, written, 0};
        out_.push_back(t);
        return {};
    }

    // &H1F, &O17, &B101; a wrong digit or none at all gets the radix's own code.
    EngineError radixNumber() {
        std::size_t start = pos_;
        ++pos_;
        if (pos_ >= text_.size()) {
            return makeError(ErrorCode::InvalidTerm, start);
        }
        char kind = lowerLetter(text_[pos_]);
        int base = kind == 'h' ? 16 : kind == 'o' ? 8 : kind == 'b' ? 2 : 0;
        if (base == 0) {
            return makeError(ErrorCode::InvalidTerm, start);
        }
        ErrorCode code = base == 16  ? ErrorCode::BadHex
                         : base == 8 ? ErrorCode::BadOctal
                                     : ErrorCode::BadBinary;
        ++pos_;
        double value = 0;
        std::size_t digits = 0;
        while (pos_ < text_.size() && isNameChar(text_[pos_])) {
            int d = digitValue(text_[pos_]);
            if (d < 0 || d >= base) {
                return makeError(code, start);
            }
            value = value * base + d;
            ++digits;
            ++pos_;
        }
        if (digits == 0) {
            return makeError(code, start);
        }
        push(Tok::Number, start, value);
        return {};
    }

    static int digitValue(char c) {
        if (isDigit(c)) {
            return c - '0';
        }
        char l = lowerLetter(c);
        if (l >= 'a' && l <= 'f') {
            return l - 'a' + 10;
        }
        return -1;
    }

    EngineError symbol() {
        static constexpr std::array<std::pair<std::string_view, Tok>, 16> table{{
            {"<=", Tok::Le},
            {">=", Tok::Ge},
            {"<>", Tok::Ne},
            {"(", Tok::LParen},
            {")", Tok::RParen},
            {",", Tok::Comma},
            {"+", Tok::Plus},
            {"-", Tok::Minus},
            {"*", Tok::Star},
            {"/", Tok::Slash},
            {"^", Tok::Caret},
            {"\\", Tok::Backslash},
            {"!", Tok::Bang},
            {"=", Tok::Eq},
            {"<", Tok::Lt},
            {">", Tok::Gt},
        }};
        std::string_view rest = text_.substr(pos_);
        for (const auto& [spelling, kind] : table) {
            if (!rest.starts_with(spelling)) {
                continue;
            }
            push(kind, pos_, 0);
            pos_ += spelling.size();
            return {};
        }
        return makeError(ErrorCode::InvalidTerm, pos_);
    }

    void push(Tok kind, std::size_t start, double value) {
        out_.push_back(Token{kind, start, text_.substr(start, pos_ - start), value});
    }

    std::string_view text_;
    const AliasMap& aliases_;
    std::vector<Token>& out_;
    std::size_t pos_ = 0;
};

} // namespace

bool isValidName(std::string_view name) {
    if (name.empty() || !isLetter(name.front())) {
        return false;
    }
    for (char c : name) {
        if (!isNameChar(c)) {
            return false;
        }
    }
    return true;
}

Tok operatorWord(std::string_view lower) {
    static constexpr std::array<std::pair<std::string_view, Tok>, 8> words{{
        {"div", Tok::Div},
        {"mod", Tok::Mod},
        {"not", Tok::Not},
        {"and", Tok::And},
        {"or", Tok::Or},
        {"xor", Tok::Xor},
        {"eqv", Tok::Eqv},
        {"imp", Tok::Imp},
    }};
    for (const auto& [word, kind] : words) {
        if (word == lower) {
            return kind;
        }
    }
    return Tok::Name;
}

EngineError lex(std::string_view text, const AliasMap& aliases, std::vector<Token>& out) {
    out.clear();
    return Lexer(text, aliases, out).run();
}

} // namespace vestrano
