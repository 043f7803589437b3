#pragma once

#include <string>

namespace vestrano {

struct PlotState;
struct ProgramContext;

// The rows of the intervals window that show the view's ranges, added as flags.
constexpr int kFollowX = 1;
constexpr int kFollowY = 2;
constexpr int kFollowT = 4;

// Row i of the intervals window shows these bounds, re-rendered by the window.
void showRow(PlotState& state, int i, std::string lower, std::string upper);

// The rows named in `rows` show the view's ranges: x and y in their label formats, t as the
// value boxes write numbers.
void showRanges(PlotState& state, int rows);

// After a change of the view: the rows show the new ranges, and with the x row the integral
// lower bounds follow through the context's hook.
void followView(ProgramContext& ctx, int rows);

} // namespace vestrano
