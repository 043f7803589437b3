#pragma once

#include <string>

namespace vestrano {

// General number form with "." as decimal point: up to 15 significant digits, trailing
// zeros dropped, exponent form ("1E-10", "1.5E+20") below 1E-4 and from 1E15 on.
std::string generalNumber(double value);

// A value as the value boxes show it: up to 15 significant digits, decimal comma.
std::string formatParamValue(double v);

} // namespace vestrano
