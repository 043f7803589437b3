#pragma once

#include <optional>
#include <string_view>

namespace vestrano {

class ExprEngine;

// Value of a number field: "," counts as decimal point and the text may be any expression.
// The caller reads engine.ucGetError() to know whether the text was valid.
double evaltext(ExprEngine& engine, std::string_view text);

// `evaltext` for a box that must hold a number: empty when the engine cannot read the text or
// the value is not finite.
std::optional<double> evalnumber(ExprEngine& engine, std::string_view text);

} // namespace vestrano
