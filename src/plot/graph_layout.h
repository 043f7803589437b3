#pragma once

#include "state/twip_rect.h"

namespace vestrano {

// The graph window's controls: the drawing area with a scroll bar below and one to its right,
// the zoom button in the corner between them, the position display below and the "1:1"
// button below the zoom button.
struct GraphLayout {
    TwipRect picture;
    TwipRect hscroll;
    TwipRect vscroll;
    TwipRect zoomButton;
    TwipRect position;
    TwipRect aspect;
};

// Places the controls in an inner area of width x height twips; scroll bars keep their
// thickness. A window too small for the drawing area gets an empty one.
GraphLayout graphLayout(int width, int height, int vscrollWidth, int hscrollHeight);

} // namespace vestrano
