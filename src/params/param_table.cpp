#include "params/param_table.h"

#include <cmath>

#include "app/plot_state.h"

namespace vestrano {

namespace {

std::string captionOf(const ParamEntry& p, int s) {
    if (s >= 3 && s <= 7) {
        return "Stützstellenanzahl für " + p.parname.substr(3);
    }
    if (s >= kFirstFreeParam) {
        return "Parameter: " + p.parname;
    }
    return p.parname;
}

// Sampling points of the graph behind count slot s (3..7).
double countValue(const PlotState& state, int s) {
    if (s <= 5) {
        return state.slots[s - 3].anzx + 1.0;
    }
    return state.slots[s - 5].anzt + 1.0;
}

int barPosition(const ParamEntry& p) {
    const double pos = (p.parvalue - p.parmin) * 1000.0 / (p.parmax - p.parmin);
    if (!(pos >= 0)) {
        return 0;
    }
    if (pos > 1000) {
        return 1000;
    }
    return static_cast<int>(std::nearbyint(pos));
}

} // namespace

void setwert(PlotState& state, int s, double v) {
    ParamEntry& p = state.params[s];
    p.parvalue = v;
    state.engine.ucSetVariableValueDbl(p.parhandle, v);
}

void init(PlotState& state, int s) {
    ParamEntry& p = state.params[s];
    ParamWindow& w = p.window;
    if (!w.loaded) {
        w.loaded = true;
        w.visible = true;
    }
    w.caption = captionOf(p, s);
    w.fixedSlot = s < kFirstFreeParam;
    if (s >= 3 && s <= 7) {
        p.parvalue = countValue(state, s);
    } else if (s < 3) {
        p.parvalue = state.lowerbounds[state.mode * 3 + s];
    }
    setwert(state, s, p.parvalue);
    w.width = state.parawidth;
    w.setting = false;
    w.barpos = barPosition(p);
}

void showpara(PlotState& state, int s) {
    ParamWindow& w = state.params[s].window;
    if (!w.loaded) {
        init(state, s);
    }
    w.visible = true;
}

void hidepara(PlotState& state, int s) {
    state.params[s].window.visible = false;
}

bool paravisible(const PlotState& state, int s) {
    const ParamWindow& w = state.params[s].window;
    return w.loaded && w.visible;
}

void releasepara(PlotState& state, int s) {
    ParamEntry& p = state.params[s];
    p.parhandle = -1;
    p.parname.clear();
    hidepara(state, s);
}

} // namespace vestrano
