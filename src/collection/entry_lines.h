#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vestrano {

struct CollectionWindow;
struct PlotState;

constexpr const char* kCrLf = "\r\n";

// The leading number of a box text rounded to the nearest integer; 0 when there is none.
int leadingInteger(std::string_view text);

// Appends the widths line built from the width boxes to a non-empty term text.
std::string makeld(int mode, const std::array<std::string, 3>& dicke, std::string text);

// Takes the widths line out of a term text; the widths go into the width boxes.
std::string readandcut(int mode, std::array<std::string, 3>& dicke, std::string text);

// The next line of a box text from `linepos` on, or "end" behind its last line.
std::string getnextline(CollectionWindow& window, std::string_view text);

// The next non-empty line, or "end".
std::string getfull(CollectionWindow& window, std::string_view text);

// The parameter slot in use, a sample count or a free parameter, named exactly `name`.
std::optional<int> paramindex(const PlotState& state, std::string_view name);

} // namespace vestrano
