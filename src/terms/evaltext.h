#pragma once

#include <string_view>

namespace vestrano {

class ExprEngine;

// Value of a number field: "," counts as decimal point and the text may be any expression.
// The caller reads engine.ucGetError() to know whether the text was valid.
double evaltext(ExprEngine& engine, std::string_view text);

} // namespace vestrano
