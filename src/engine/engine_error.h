#pragma once

#include <cstddef>
#include <string>
#include <utility>

namespace vestrano {

// Error codes of the engine; errtext() turns them into messages. The engine hands them out
// as numbers (ucGetError), which are these values.
enum class ErrorCode : int {
    None = 0,
    MessageInData = 1, // the whole message is the error data
    Brackets = 2,
    UndefinedVariable = 3,
    BadBinary = 4,
    BadOctal = 5,
    BadHex = 6,
    FactorialOverflow = 7,
    Quote = 8,
    InvalidTerm = 9,
    DefinitionsFull = 10,
    UndefinedFunction = 11,
    ArgumentCount = 12,
    ArgumentType = 13,
    DivisionByZero = 14,
    IntegerDivisionByZero = 15,
    Exponent = 16,
    SqrtDomain = 17,
    Log2Domain = 18,
    Log10Domain = 19,
    LnDomain = 20,
    AsinDomain = 21,
    AcosDomain = 22,
    SecDomain = 23,
    CscDomain = 24,
    CotDomain = 25,
    CothDomain = 26,
    CschDomain = 27,
    AcoshDomain = 28,
    AtanhDomain = 29,
    AcothDomain = 30,
    AsechDomain = 31,
    AcschDomain = 32,
};

constexpr int number(ErrorCode code) {
    return static_cast<int>(code);
}

inline constexpr int kLastErrorCode = number(ErrorCode::AcschDomain);

// Codes up to ArgumentType are faults of the text itself; the higher ones faults of the values
// it met (a division by zero, a root of a negative number).
constexpr bool isTextError(int code) {
    return code >= number(ErrorCode::MessageInData) && code <= number(ErrorCode::ArgumentType);
}

// What went wrong, where in the text (0-based byte offset) and which name it concerns.
struct EngineError {
    ErrorCode code = ErrorCode::None;
    std::size_t pos = 0;
    std::string data;

    explicit operator bool() const { return code != ErrorCode::None; }
};

inline EngineError makeError(ErrorCode code, std::size_t pos, std::string data = {}) {
    return EngineError{code, pos, std::move(data)};
}

} // namespace vestrano
