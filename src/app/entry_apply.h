#pragma once

#include <cstdint>
#include <string>

#include "state/collection_table.h"

namespace vestrano {

struct ProgramContext;
struct PlotState;

// Applies detail box `box` (terms to lower bounds) line by line; true when every line was
// accepted. The lines before a faulty one stay applied and the reason shows in the window's
// status line.
bool colget(ProgramContext& ctx, DetailBox box);

// Applies the boxes of the selected entry in the order terms, intervals, parameters, bounds,
// lower bounds, stopping at the first faulty box; then the graph is drawn once, also after a
// fault.
void colgetall(ProgramContext& ctx);

// The collection window's status line.
void showerror(PlotState& state, const std::string& message, uint32_t colour);

} // namespace vestrano
