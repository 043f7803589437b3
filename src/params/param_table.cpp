#include "params/param_table.h"

#include <algorithm>

#include "app/calculator.h"
#include "app/plot_state.h"
#include "app/ui.h"
#include "params/animation.h"
#include "params/param_arithmetic.h"
#include "params/param_context.h"
#include "params/param_list.h"

namespace vestrano {

namespace {

constexpr int kFirstBoundKey = 14; // "uf=", "ug=", "uh="

std::string captionOf(const PlotState& state, int s) {
    const ParamEntry& p = state.params[s];
    if (isCountSlot(s)) {
        return "Stützstellenanzahl für " +
               p.parname.substr(std::min<std::size_t>(3, p.parname.size()));
    }
    if (s >= kFirstFreeParam) {
        return "Parameter: " + p.parname;
    }
    return paraname(state, s);
}

// Sampling points of the graph behind count slot s.
double countValue(const PlotState& state, int s) {
    if (s <= 5) {
        return state.slots[s - 3].anzx + 1.0;
    }
    return state.slots[s - 5].anzt + 1.0;
}

} // namespace

void setboundlabels(PlotState& state) {
    for (int s = 0; s < kFirstCountParam; ++s) {
        state.params[s].label = collectionKey(kFirstBoundKey + s).substr(0, 2) +
                                " = untere Grenze für Integralfunktion in " +
                                slotName(state.mode, 3 + s);
    }
}

std::string paraname(const PlotState& state, int s) {
    const ParamEntry& p = state.params[s];
    if (isBoundSlot(s) && !p.label.empty()) {
        return p.label;
    }
    return p.parname;
}

std::string valuetext(double v) {
    std::string text = generalnum(v);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

void setwert(PlotState& state, int s, double v) {
    ParamEntry& p = state.params[s];
    p.parvalue = v;
    if (p.parhandle >= 0) {
        state.engine.ucSetVariableValueDbl(p.parhandle, v);
    }
}

void init(ParamContext& ctx, int s) {
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
        p.parvalue = state.lowerbounds[state.mode * 3 + s];
    }
    setwert(state, s, p.parvalue);
    w.width = state.parawidth;
    w.setting = false;
    setparb(ctx, s, p.parmin, p.parmax);
    ctx.ui.changed(Change::Parameters);
}

void showpara(ParamContext& ctx, int s) {
    ParamWindow& w = ctx.state.params[s].window;
    if (!w.loaded) {
        // Loading a window prepares it only for a slot in use.
        w.loaded = true;
        if (slotinuse(ctx.state, s)) {
            init(ctx, s);
        }
    }
    w.visible = true;
    ctx.ui.changed(Change::Parameters);
}

void hidepara(PlotState& state, int s) {
    state.params[s].window.visible = false;
}

bool paravisible(const PlotState& state, int s) {
    const ParamWindow& w = state.params[s].window;
    return w.loaded && w.visible;
}

bool slotinuse(const PlotState& state, int s) {
    return state.params[s].parhandle >= 0;
}

void releasepara(PlotState& state, int s) {
    ParamEntry& p = state.params[s];
    p.parhandle = -1;
    p.parname.clear();
    hidepara(state, s);
}

void closepara(PlotState& state, int s) {
    ParamWindow& w = state.params[s].window;
    w.loaded = false;
    w.visible = false;
    schalt(state, s);
    stoptimer(state, s);
}

void activatepara(PlotState& state, int s) {
    state.activepar = static_cast<int16_t>(s);
}

} // namespace vestrano
