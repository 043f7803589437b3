#pragma once

#include <cstdint>
#include <string>

namespace vestrano {

struct ProgramContext;
struct PlotState;

// The boxes of the collection window, txt(1) terms to txt(5) lower bounds.
enum EntryBox { kTermsBox = 1, kParamsBox, kBoundsBox, kIntervalsBox, kLowersBox };

// Applies detail box `part` line by line; true when every line was accepted. The lines before
// a faulty one stay applied and the reason shows in the window's status line.
bool colget(ProgramContext& ctx, int part);

// Applies the boxes of the selected entry in the order terms, intervals, parameters, bounds,
// lower bounds, stopping at the first faulty box; then the graph is drawn once, also after a
// fault.
void colgetall(ProgramContext& ctx);

// The collection window's status line.
void showerror(PlotState& state, const std::string& message, uint32_t colour);

} // namespace vestrano
