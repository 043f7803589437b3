#pragma once

#include <string>

namespace vestrano {

// What the calculator window shows.
struct CalcTexts {
    std::string input;         // the expression, in the notation of the terms
    std::string result;        // the rounded value or the error text
    std::string reportedInput; // input whose conversion messages were shown already
};

} // namespace vestrano
