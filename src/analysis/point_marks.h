#pragma once

namespace vestrano {

class Canvas;
struct PlotState;
struct PointsResult;

// Radius of a mark in pixels.
constexpr double kMarkRadius = 5;

// A ring around each point inside the drawing area, in its graph's colour (an intersection in
// its first graph's): a ring, not a dot, so the graph's line stays visible through it.
void drawPointMarks(const PlotState& state, Canvas& canvas, const PointsResult& points);

} // namespace vestrano
