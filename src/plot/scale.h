#pragma once

#include <string>

namespace vestrano {

struct PlotState;

// Recomputes spans, scale, sampling steps, help-line steps and label formats after a change
// of the intervals, the drawing area or the help-line settings, and hands the scale to the
// engine. Does not redraw.
void setscale(PlotState& state);

// Sampling step of each slot from the span of the mode and the slot's interval count.
void setsteps(PlotState& state);

// Effective help-line step: the requested step halved or doubled until the count of lines
// across `span` lies near hmin..hmax.
double helpStep(double step, double span, int hmin, int hmax);

// "0." followed by one "#" per label decimal, at least `komma` of them.
std::string labelFormat(double hstep, int komma);

} // namespace vestrano
