#pragma once

namespace vestrano {

struct ProgramContext;

// Gives both axes the same scale: k = 1 adapts the y range to the x range, k = 2 the x range
// to the y range, each about the centre of the adapted axis. Then sets the scale and redraws.
void einszueins(ProgramContext& ctx, int k);

} // namespace vestrano
