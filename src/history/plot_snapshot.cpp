#include "history/plot_snapshot.h"

#include "lines/point_list.h"

namespace vestrano {

namespace {

ParamSnapshot paramOf(const ParamEntry& p) {
    if (p.parhandle < 0) {
        return {};
    }
    return {p.parname,
            p.parvalue,
            p.parmin,
            p.parmax,
            p.parstep,
            p.parmode,
            p.window.loaded && p.window.visible};
}

std::size_t textBytes(const std::string& text) {
    // Short texts live inside the string itself.
    return text.capacity() > sizeof(std::string) ? text.capacity() : 0;
}

} // namespace

PlotSnapshot takeSnapshot(const PlotState& state) {
    PlotSnapshot s;
    s.mode = state.mode;
    for (int k = 0; k < kSlotCount; ++k) {
        s.terms[k] = state.slots[k].taken;
        s.visible[k] = state.slots[k].visible;
        s.restrictions[2 * k] = state.intervals.vonTaken[kFirstRestrictionRow + k];
        s.restrictions[2 * k + 1] = state.intervals.bisTaken[kFirstRestrictionRow + k];
    }
    s.lowerbounds = state.lowerbounds;
    for (int p = 0; p < kParamCount; ++p) {
        s.params[p] = paramOf(state.params[p]);
    }
    const Viewport& v = state.view;
    s.view = {v.xmin, v.xmax, v.ymin, v.ymax, v.tmin, v.tmax};
    s.lines = state.additional.modelines;
    s.points = getliste(state);
    s.anglemode = state.options.anglemode;
    return s;
}

std::size_t snapshotBytes(const PlotSnapshot& snapshot) {
    std::size_t bytes = sizeof(PlotSnapshot);
    for (const std::string& t : snapshot.terms) {
        bytes += textBytes(t);
    }
    for (const ParamSnapshot& p : snapshot.params) {
        bytes += textBytes(p.name);
    }
    for (const std::string& t : snapshot.restrictions) {
        bytes += textBytes(t);
    }
    for (const std::string& t : snapshot.lines) {
        bytes += textBytes(t);
    }
    return bytes + textBytes(snapshot.points);
}

} // namespace vestrano
