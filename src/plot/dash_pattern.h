#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "plot/canvas.h"

namespace vestrano {

// The dashes of a pen style as the screen draws a line one pixel wide: dash, gap, dash, ...
// in pixels, counted along the longer axis of the line. Empty for a line without dashes.
std::span<const double> dashPattern(int16_t style);

// How much longer a line is than its extent along its longer axis: a pattern laid along the
// line itself, as vector pictures lay it, is stretched by this to keep the screen's dashes.
double alongLine(double dx, double dy);

struct Dash {
    ExactPoint from;
    ExactPoint to;
};

// Where the pattern stands on a line: the dash or gap and how far into it.
struct DashPhase {
    std::size_t entry = 0;
    double done = 0; // pixels along the longer axis
};

// The dashes of the line from `from` to `to` that `pattern` draws, starting at `phase`, which
// is moved on to the end of the line so that a joined line goes on with the pattern.
std::vector<Dash> dashesOf(ExactPoint from, ExactPoint to, std::span<const double> pattern,
                           DashPhase& phase);

} // namespace vestrano
