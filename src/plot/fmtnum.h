#pragma once

#include <string>
#include <string_view>

namespace vestrano {

// Label text of a number: a decimal comma, at most as many decimals as `format` holds "#"
// (rounded, halves to even), trailing zeros and a bare trailing comma dropped.
std::string fmtnum(double value, std::string_view format);

// `value` with exactly `decimals` places and "."; correctly rounded, exact halves to even.
std::string fixedText(double value, int decimals);

} // namespace vestrano
