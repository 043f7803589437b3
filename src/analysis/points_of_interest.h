#pragma once

#include <string_view>

#include "state/curve_points.h"

namespace vestrano {

struct PlotState;

// The German name of a kind, as the window and the command line write it ("Hochpunkt",
// "y-Achsenabschnitt", ...).
std::string_view pointKindName(PointKind kind);

// The scan's steps over each interval; every sign change between two steps is refined.
constexpr int kScanSteps = 10000;
constexpr int kMostPointsPerKind = 500;

// The points of interest of every drawn function slot (visible, valid, not an integral
// function) over [xmin, xmax] cut to the slot's drawing restriction, and the intersections of
// each pair of them over their common interval; only points strictly inside. Sorted by graph
// (f, g, h, f,g, f,h, g,h), then by x. Evaluated through the engine with the current
// parameters and angle unit; nothing in function mode only.
PointsResult findPoints(PlotState& state, double xmin, double xmax);

} // namespace vestrano
