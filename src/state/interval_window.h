#pragma once

#include <array>
#include <string>

#include "state/window_layout.h"

namespace vestrano {

// Rows of the intervals window: 0 x, 1 y, 2 t, 3..5 the drawing restrictions of f, g, h.
constexpr int kIntervalRows = 6;
constexpr int kFirstRestrictionRow = 3;

// What the intervals window `interform` shows; the window itself only renders this. The
// boxes hold the texts as typed; the core writes them when the view changes and counts each
// such rewrite in `revision`, so that the window re-renders them then and never under the
// user's typing.
struct IntervalWindow {
    std::array<std::string, kIntervalRows> von{};
    std::array<std::string, kIntervalRows> bis{};
    int revision = 0;
    // The restriction rows as the last take-over read them; the boxes may hold newer typing.
    std::array<std::string, kIntervalRows> vonTaken{};
    std::array<std::string, kIntervalRows> bisTaken{};
    // Twips within the main window's client area, the frame included; the window reports
    // its size, the arrangement places it.
    ChildWindow frame{{0, 0, 5100, 3700}, false, true};
};

} // namespace vestrano
