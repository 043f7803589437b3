#pragma once

#include <cstddef>
#include <string>
#include <utility>

namespace vestrano {

// Error codes of the engine; errtext() turns them into messages.
namespace errc {
inline constexpr int none = 0;
inline constexpr int dataOnly = 1;
inline constexpr int brackets = 2;
inline constexpr int undefinedVariable = 3;
inline constexpr int badBinary = 4;
inline constexpr int badOctal = 5;
inline constexpr int badHex = 6;
inline constexpr int factorialOverflow = 7;
inline constexpr int quote = 8;
inline constexpr int invalidTerm = 9;
inline constexpr int definitionsFull = 10;
inline constexpr int undefinedFunction = 11;
inline constexpr int argumentCount = 12;
inline constexpr int argumentType = 13;
inline constexpr int divisionByZero = 14;
inline constexpr int integerDivisionByZero = 15;
inline constexpr int exponent = 16;
inline constexpr int sqrtDomain = 17;
inline constexpr int log2Domain = 18;
inline constexpr int log10Domain = 19;
inline constexpr int lnDomain = 20;
inline constexpr int asinDomain = 21;
inline constexpr int acosDomain = 22;
inline constexpr int secDomain = 23;
inline constexpr int cscDomain = 24;
inline constexpr int cotDomain = 25;
inline constexpr int cothDomain = 26;
inline constexpr int cschDomain = 27;
inline constexpr int acoshDomain = 28;
inline constexpr int atanhDomain = 29;
inline constexpr int acothDomain = 30;
inline constexpr int asechDomain = 31;
inline constexpr int acschDomain = 32;
} // namespace errc

// What went wrong, where in the text (0-based byte offset) and which name it concerns.
struct EngineError {
    int code = errc::none;
    std::size_t pos = 0;
    std::string data;

    explicit operator bool() const { return code != errc::none; }
};

inline EngineError makeError(int code, std::size_t pos, std::string data = {}) {
    return EngineError{code, pos, std::move(data)};
}

} // namespace vestrano
