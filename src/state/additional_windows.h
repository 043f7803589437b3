#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "state/once_messages.h"

namespace vestrano {

// The ten colour buttons (and line-type boxes) beside the visible rows of a list.
constexpr int kRowControls = 10;

// One row of the lines window: the equation as typed, its colour and line type, and the
// equation in engine syntax.
struct LineRow {
    std::string text;
    int32_t color = 0;   // red + 256 * green + 65536 * blue
    char linetype = ' '; // ' ' the default type, '0'..'6' its own
    std::string engtext; // filled by readlist
    bool selected = false;
};

// What the lines window `Asymptoten` shows; the window only renders this.
struct LinesWindow {
    bool loaded = false;
    bool visible = false;
    std::vector<LineRow> rows;
    int current = -1;  // the list's current row
    int topIndex = 0;  // first visible row
    std::string input; // the input line
    int revision = 0;  // counts program-made changes of the rows and boxes
    // The drawing's error list is shown once for the same broken lines.
    OnceMessages drawingMessages;
};

// One row of the points window: the point as typed and colour, its name and coordinates in
// engine syntax, and the offset of its name in pixels (dy upwards).
struct PointRow {
    std::string text;
    int32_t color = 0;
    std::string name; // still with a trailing "$"
    std::string xterm;
    std::string yterm;
    int32_t dx = 0;
    int32_t dy = 0;
    bool selected = false;
};

// What the points window `Punkte` shows; the check boxes are the bits of `pointflags`.
struct PointsWindow {
    bool loaded = false;
    bool visible = false;
    std::vector<PointRow> rows;
    int current = -1;
    int topIndex = 0;
    std::string input;
    std::string sizeText;
    int revision = 0;
};

} // namespace vestrano
