#include "collection/entry_build.h"

#include <string_view>

#include "collection/entry_lines.h"
#include "lines/point_list.h"
#include "state/general_number.h"
#include "state/plot_state.h"
#include "terms/slot_check.h"

namespace vestrano {

namespace {

constexpr int kLastParam = kParamCount - 1;

std::string slotKey(int mode, int i) {
    return slotName(mode, SlotText::Function, i) + "=";
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
    const bool curveCount = s >= kFirstCurveCountParam;
    return mode == 0 ? !curveCount : curveCount;
}

std::string params(const PlotState& state, bool bounds) {
    std::string text;
    for (int s = kFirstCountParam; s < kParamCount; ++s) {
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
    std::string text = range(collectionKey(CollectionKey::Interval, 0), v.xmin, v.xmax) + kCrLf +
                       range(collectionKey(CollectionKey::Interval, 1), v.ymin, v.ymax);
    if (state.mode == 1) {
        return text + kCrLf + range(collectionKey(CollectionKey::Interval, 2), v.tmin, v.tmax);
    }
    const IntervalWindow& w = state.intervals;
    for (int i = 0; i < kSlotCount; ++i) {
        const int row = kFirstRestrictionRow + i;
        if (filled(w.von[row]) || filled(w.bis[row])) {
            text += kCrLf + collectionKey(CollectionKey::DisplayLimit, i) + w.von[row] + ";" +
                    w.bis[row] + "]";
        }
    }
    return text;
}

bool integralSlot(const PlotState& state, int i) {
    const std::string& engtext = state.slots[i].engtext;
    return engtext.find(slotName(state.mode, SlotText::Integral)) != std::string::npos ||
           engtext.starts_with(kIntegralCall);
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
        text += collectionKey(CollectionKey::LowerBound, i) + generalNumber(lowerBound(state, i));
    }
    return text;
}

} // namespace

std::string addone(const PlotState& state, EntryField k) {
    switch (k) {
    case EntryField::Terms:
        return terms(state);
    case EntryField::Params:
        return params(state, false);
    case EntryField::Bounds:
        return params(state, true);
    case EntryField::Intervals:
        return intervals(state);
    case EntryField::Lowers:
        return lowers(state);
    case EntryField::Lines:
        return state.additional.modelines[state.mode];
    case EntryField::Points:
        return getliste(state);
    case EntryField::Title:
    case EntryField::LongText:
        return {};
    }
    return {};
}

} // namespace vestrano
