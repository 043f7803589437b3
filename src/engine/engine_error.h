#pragma once

#include <cstddef>
#include <string>
#include <utility>

namespace vestrano {

// Error codes of the engine; errtext() turns them into messages. The engine hands them out
// as numbers (ucGetError), which are these values.
enum class ErrorCode : int {
    none = 0,
    dataOnly = 1,
    brackets = 2,
    undefinedVariable = 3,
    badBinary = 4,
    badOctal = 5,
    badHex = 6,
    factorialOverflow = 7,
    quote = 8,
    invalidTerm = 9,
    definitionsFull = 10,
    undefinedFunction = 11,
    argumentCount = 12,
    argumentType = 13,
    divisionByZero = 14,
    integerDivisionByZero = 15,
    exponent = 16,
    sqrtDomain = 17,
    log2Domain = 18,
    log10Domain = 19,
    lnDomain = 20,
    asinDomain = 21,
    acosDomain = 22,
    secDomain = 23,
    cscDomain = 24,
    cotDomain = 25,
    cothDomain = 26,
    cschDomain = 27,
    acoshDomain = 28,
    atanhDomain = 29,
    acothDomain = 30,
    asechDomain = 31,
    acschDomain = 32,
};

constexpr int number(ErrorCode code) {
    return static_cast<int>(code);
}

inline constexpr int kLastErrorCode = number(ErrorCode::acschDomain);

// Codes up to argumentType are faults of the text itself; the higher ones faults of the values
// it met (a division by zero, a root of a negative number).
constexpr bool isTextError(int code) {
    return code >= number(ErrorCode::dataOnly) && code <= number(ErrorCode::argumentType);
}

// What went wrong, where in the text (0-based byte offset) and which name it concerns.
struct EngineError {
    ErrorCode code = ErrorCode::none;
    std::size_t pos = 0;
    std::string data;

    explicit operator bool() const { return code != ErrorCode::none; }
};

inline EngineError makeError(ErrorCode code, std::size_t pos, std::string data = {}) {
    return EngineError{code, pos, std::move(data)};
}

} // namespace vestrano
