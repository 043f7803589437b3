#pragma once

#include "state/twip_rect.h"

namespace vestrano {

// A child window of the main window; twips within the main window's client area.
struct ChildWindow : TwipRect {
    bool visible = false;
    bool normal = true; // neither minimised nor maximised: only then may arranging move it
};

// The term window's width as designed, in twips; the graph window below it starts as wide.
inline constexpr int kTermDesignWidth = 7080;

// The main window's client area and the child windows it arranges.
struct WindowLayout {
    int clientWidth = 0; // twips
    int clientHeight = 0;
    bool minimized = false;
    // As the term window loads: 5 twips from the left edge, which is less than a pixel.
    ChildWindow term{{0, 0, kTermDesignWidth, 1965}, false, true};
    ChildWindow graph{{0, 0, kTermDesignWidth, 0}, false, true};
};

} // namespace vestrano
