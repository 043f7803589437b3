#pragma once

#include <cstdint>

namespace vestrano {

struct ProgramContext;

// The drawing area has a new size (twips, with the screen's twips per pixel): one sample per
// pixel column for every function unless the counts are kept, the new scale, one redraw.
void graphResize(ProgramContext& ctx, double picw, double pich, int16_t tppx, int16_t tppy);

} // namespace vestrano
