#include "collection/entry_build.h"

#include <string_view>

#include "collection/entry_lines.h"
#include "lines/point_list.h"
#include "state/general_number.h"
#include "state/plot_state.h"

namespace vestrano {

namespace {

constexpr int kLastParam = kParamCount - 1;

std::string slotKey(int mode, int i) {
    return slotName(mode, 3 + i) + "=";
}

std::string terms(const PlotState& state) {
    std::string text;
    for (int i = 0; i < kSlotCount; ++i) {
        const TermSlot& slot = state.slots[i];
        text += slotKey(state.mode, i) + slot.text + (slot.visible ? "" : " (aus)");
        if (i < kSlotCount - 1) {
            text += kCrLf;
        }
    }
    return makeld(state.mode, state.collection.window.dicke, text);
}

std::string valueLine(const ParamEntry& p) {
    std::string line = p.parname + "=" + generalNumber(p.parvalue);
    if (p.parstep != 0) {
        line += std::string(" (") + (p.parmode == 1 ? "h" : "z") + generalNumber(p.parstep) + ")";
    }
    return line;
}

std::string boundLine(const ParamEntry& p) {
    return p.parname + "[" + generalNumber(p.parmin) + ";" + generalNumber(p.parmax) + "]";
}

// The sample counts of the other mode's slots are left out.
bool storedParam(int mode, int s) {
    if (s >= kFirstFreeParam) {
        return true;
    }
    return mode == 0 ? s >= 3 && s <= 5 : s >= 6;
}

std::string params(const PlotState& state, bool bounds) {
    std::string text;
    for (int s = 3; s < kParamCount; ++s) {
        const ParamEntry& p = state.params[s];
        if (!storedParam(state.mode, s) || p.parhandle < 0) {
            continue;
        }
        text += bounds ? boundLine(p) : valueLine(p);
        if (s != kLastParam) {
            text += kCrLf;
        }
    }
    return text;
}

std::string range(std::string_view key, double lower, double upper) {
    return std::string(key) + generalNumber(lower) + ";" + generalNumber(upper) + "]";
}

bool filled(const std::string& text) {
    return text.find_first_not_of(' ') != std::string::npos;
}

std::string intervals(const PlotState& state) {
    const Viewport& v = state.view;
    std::string text = range("x[", v.xmin, v.xmax) + kCrLf + range("y[", v.ymin, v.ymax);
    if (state.mode == 1) {
        return text + kCrLf + range("t[", v.tmin, v.tmax);
    }
    const IntervalWindow& w = state.intervals;
    for (int i = 0; i < kSlotCount; ++i) {
        const int row = kFirstRestrictionRow + i;
        if (filled(w.von[row]) || filled(w.bis[row])) {
            text += kCrLf + collectionKey(11 + i) + w.von[row] + ";" + w.bis[row] + "]";
        }
    }
    return text;
}

bool integralSlot(const PlotState& state, int i) {
    const std::string& engtext = state.slots[i].engtext;
    return engtext.find(slotName(state.mode, 8)) != std::string::npos ||
           engtext.starts_with("integral(");
}

std::string lowers(const PlotState& state) {
    std::string text;
    for (int i = 0; i < kSlotCount; ++i) {
        if (!integralSlot(state, i)) {
            continue;
        }
        if (!text.empty()) {
            text += kCrLf;
        }
        text += collectionKey(14 + i) + generalNumber(state.lowerbounds[state.mode * 3 + i]);
    }
    return text;
}

} // namespace

std::string addone(const PlotState& state, int k) {
    switch (k) {
    case kTerms:
        return terms(state);
    case kParams:
        return params(state, false);
    case kBounds:
        return params(state, true);
    case kIntervals:
        return intervals(state);
    case kLowers:
        return lowers(state);
    case kLines:
        return state.additional.modelines[state.mode];
    case kPoints:
        return getliste(state);
    default:
        return {};
    }
}

} // namespace vestrano
