#include "plot/graph_keys.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "plot/einszueins.h"
#include "plot/navigation.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/user_step.h"

namespace vestrano {

namespace {

void zoomCentre(ProgramContext& ctx, int button, int shift) {
    const StepScope userStep(ctx, UserStep::Zoom);
    const Viewport& v = ctx.state.view;
    zoomView(ctx, button, shift, v.picw / 2, v.pich / 2);
}

struct Arrow {
    int key;
    int zoomButton; // with Ctrl: left zooms in, right out
    int zoomAxis;   // Ctrl zooms x, Alt zooms y
    int direction;  // of the scroll
};

constexpr std::array<Arrow, 4> kArrows{{{kKeyUp, kButtonLeft, kModAlt, 1},
                                        {kKeyDown, kButtonRight, kModAlt, -1},
                                        {kKeyLeft, kButtonRight, kModCtrl, -1},
                                        {kKeyRight, kButtonLeft, kModCtrl, 1}}};

// The arrows: Ctrl alone zooms the axis, anything else scrolls it.
bool arrowKey(ProgramContext& ctx, int key, int shift) {
    const auto arrow = std::find_if(kArrows.begin(), kArrows.end(),
                                    [key](const Arrow& a) { return a.key == key; });
    if (arrow == kArrows.end()) {
        return false;
    }
    if (shift == kModCtrl) {
        zoomCentre(ctx, arrow->zoomButton, arrow->zoomAxis);
        return true;
    }
    const auto step = static_cast<int16_t>((shift == kModShift ? 5 : 1) * arrow->direction);
    if (arrow->zoomAxis == kModAlt) {
        scrud(ctx, step);
        return true;
    }
    scrlr(ctx, step);
    return true;
}

// Keypad 8, 2, 4, 6 move the name of the points window's current point by a pixel.
void moveSelectedName(ProgramContext& ctx, int key) {
    const StepScope userStep(ctx, UserStep::Points);
    PointsWindow& w = ctx.state.additional.points;
    if (!w.visible || w.current < 0 || w.current >= static_cast<int>(w.rows.size())) {
        return;
    }
    PointRow& row = w.rows[w.current];
    switch (key) {
    case kKeyPad6:
    case kKeyPad4:
        row.dx += key == kKeyPad6 ? 1 : -1;
        break;
    case kKeyPad8:
    case kKeyPad2:
        row.dy += key == kKeyPad8 ? 1 : -1;
        break;
    default:
        return;
    }
    redrawGraph(ctx);
}

} // namespace

void graphKey(ProgramContext& ctx, int key, int shift) {
    if (arrowKey(ctx, key, shift)) {
        return;
    }
    switch (key) {
    case kKeyPlus:
    case kKeyPadPlus:
        zoomCentre(ctx, kButtonLeft, kModCtrl | kModAlt);
        return;
    case kKeyMinus:
    case kKeyPadMinus:
        zoomCentre(ctx, kButtonRight, kModCtrl | kModAlt);
        return;
    case kKeyX:
        einszueins(ctx, 1);
        return;
    case kKeyY:
        einszueins(ctx, 2);
        return;
    default:
        moveSelectedName(ctx, key);
        return;
    }
}

} // namespace vestrano
