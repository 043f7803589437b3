#pragma once

#include <string>

#include "state/general_number.h"
#include "state/plot_state.h"

namespace vestrano {

struct PlotState;
struct ProgramContext;

inline bool isBoundSlot(int s) {
    return s >= 0 && s < kFirstCountParam;
}
inline bool isCountSlot(int s) {
    return s >= kFirstCountParam && s <= kLastCountParam;
}

// Labels and window captions of the integral lower-bound slots 0..2 for the current mode, e.g.
// "uf = untere Grenze für Integralfunktion in f(x)".
void setBoundLabels(PlotState& state);

// The name a slot shows in captions and in the parameter list.
std::string paramName(const PlotState& state, int s);

// Prepares slot s's window for its parameter: caption, colours, value and bounds, and passes
// the value to the engine. A window that was closed is loaded again, which shows it.
void init(ProgramContext& ctx, int s);

void showParamWindow(ProgramContext& ctx, int s);
void hideParamWindow(PlotState& state, int s);
bool paraVisible(const PlotState& state, int s);
bool slotInUse(const PlotState& state, int s);

// Writes the slot's value and its engine variable.
void storeParamValue(PlotState& state, int s, double v);

// Frees a slot whose parameter disappeared.
void releaseParam(PlotState& state, int s);

// The user closed the window: it is destroyed, its list row unchecked and its timer stopped,
// so nothing moves behind a window that is gone.
void closeParamWindow(PlotState& state, int s);

// The window became the active one: mouse coupling now works on its slot.
void activateParamWindow(PlotState& state, int s);

} // namespace vestrano
