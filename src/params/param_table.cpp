#include "params/param_table.h"

#include <algorithm>

#include "params/animation.h"
#include "params/param_arithmetic.h"
#include "params/param_list.h"
#include "state/general_number.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"

namespace vestrano {

namespace {

std::string captionOf(const PlotState& state, int s) {
    const ParamEntry& p = state.params[s];
    if (isCountSlot(s)) {
        return "Stützstellenanzahl für " +
               p.parname.substr(std::min<std::size_t>(3, p.parname.size()));
    }
    if (s >= kFirstFreeParam) {
        return "Parameter: " + p.parname;
    }
    return paramName(state, s);
}

} // namespace

void setBoundLabels(PlotState& state) {
    for (int s = 0; s < kFirstCountParam; ++s) {
        state.params[s].label = collectionKey(CollectionKey::LowerBound, s).substr(0, 2) +
                                " = untere Grenze für Integralfunktion in " +
                                slotName(state.mode, SlotText::Function, s);
        state.params[s].window.caption = captionOf(state, s);
    }
}

std::string paramName(const PlotState& state, int s) {
    const ParamEntry& p = state.params[s];
    if (isBoundSlot(s) && !p.label.empty()) {
        return p.label;
    }
    return p.parname;
}

void storeParamValue(PlotState& state, int s, double v) {
    ParamEntry& p = state.params[s];
    p.parvalue = v;
    if (p.parhandle >= 0) {
        state.engine.ucSetVariableValueDbl(p.parhandle, v);
    }
}

void init(ProgramContext& ctx, int s) {
    PlotState& state = ctx.state;
    ParamEntry& p = state.params[s];
    ParamWindow& w = p.window;
    if (!w.loaded) {
        w.loaded = true;
        w.visible = true;
    }
    w.caption = captionOf(state, s);
    w.valueColor = s < kFirstFreeParam ? kFixedValueColor : kParamValueColor;
    w.boundsLocked = isBoundSlot(s);
    if (isCountSlot(s)) {
        p.parvalue = countValue(state, s);
    } else if (isBoundSlot(s)) {
        p.parvalue = lowerBound(state, s);
    }
    storeParamValue(state, s, p.parvalue);
    w.width = state.parawidth;
    w.setting = false;
    setparb(ctx, s, p.parmin, p.parmax);
    ctx.ui.changed(Change::Parameters);
}

void showParamWindow(ProgramContext& ctx, int s) {
    ParamWindow& w = ctx.state.params[s].window;
    if (!w.loaded) {
        // Loading a window prepares it only for a slot in use.
        w.loaded = true;
        if (slotInUse(ctx.state, s)) {
            init(ctx, s);
        }
    }
    w.visible = true;
    ctx.ui.changed(Change::Parameters);
}

void hideParamWindow(PlotState& state, int s) {
    state.params[s].window.visible = false;
}

bool paraVisible(const PlotState& state, int s) {
    const ParamWindow& w = state.params[s].window;
    return w.loaded && w.visible;
}

bool slotInUse(const PlotState& state, int s) {
    return state.params[s].parhandle >= 0;
}

void releaseParam(PlotState& state, int s) {
    ParamEntry& p = state.params[s];
    p.parhandle = -1;
    p.parname.clear();
    hideParamWindow(state, s);
}

void closeParamWindow(PlotState& state, int s) {
    ParamWindow& w = state.params[s].window;
    w.loaded = false;
    w.visible = false;
    schalt(state, s);
    stopTimer(state, s);
}

void activateParamWindow(PlotState& state, int s) {
    state.activepar = static_cast<int16_t>(s);
}

} // namespace vestrano
