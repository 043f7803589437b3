#pragma once

#include <string>
#include <vector>

namespace vestrano {

enum class PointKind {
    Nullstelle,
    Hochpunkt,
    Tiefpunkt,
    Wendepunkt,
    YAchsenabschnitt,
    Schnittpunkt
};

struct PointOfInterest {
    std::string graph; // "f", "g", "h", or the pair of an intersection: "f,g", "f,h", "g,h"
    PointKind kind = PointKind::Nullstelle;
    double x = 0;
    double y = 0; // 0 for a zero; the first graph's value for an intersection
};

struct PointsResult {
    std::vector<PointOfInterest> points;
    int leftOut = 0; // points beyond the first 500 of a graph and kind
};

// What the window "Kurvenpunkte" and the marks on the graph show.
struct CurvePoints {
    bool marked = false;        // "Kurvenpunkte anzeigen": a ring at every point
    bool windowVisible = false; // the window "Kurvenpunkte" is shown
    // Found by the last redraw while the window or the marks are on; what both show.
    PointsResult found;
    int revision = 0; // counts the findings, so the window renders only new ones
    // The screen's picture was drawn anew: its points are found when it is next shown.
    bool due = false;
};

} // namespace vestrano
