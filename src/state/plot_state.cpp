#include "state/plot_state.h"

namespace vestrano {

namespace {
constexpr int kNamesPerMode = 12;

const std::array<std::string, 2 * kNamesPerMode> kSlotNames{
    "x", "f(x", "g(x",  "f(x)", "g(x)",  "h(x)",  "f'(", "g'(",  "F(x)", "f", "g",  "h",
    "t", "x(t", "y1(t", "x(t)", "y1(t)", "y2(t)", "x'(", "y1'(", "X(t)", "x", "y1", "y2"};

const std::array<std::string, 20> kCollectionKeys{
    "",   "}",   "[",   "short:", "long:", "",    "",    "",     "x[",      "y[",
    "t[", "Df[", "Dg[", "Dh[",    "uf=",   "ug=", "uh=", "asy=", "Punkte=", "$"};

template <class State> auto& countField(State& state, int s) {
    if (s < kFirstCurveCountParam) {
        return state.slots.at(s - kFirstCountParam).anzx;
    }
    // "anzy1" and "anzy2" belong to the curve slots 1 and 2.
    return state.slots.at(s - kFirstCurveCountParam + 1).anzt;
}

template <class State> auto& lowerBoundField(State& state, int slot) {
    return state.lowerbounds.at(state.mode * kSlotCount + slot);
}
} // namespace

int16_t& countIntervals(PlotState& state, int s) {
    return countField(state, s);
}

int16_t countIntervals(const PlotState& state, int s) {
    return countField(state, s);
}

double countValue(const PlotState& state, int s) {
    return countIntervals(state, s) + 1.0;
}

double& lowerBound(PlotState& state, int slot) {
    return lowerBoundField(state, slot);
}

double lowerBound(const PlotState& state, int slot) {
    return lowerBoundField(state, slot);
}

const std::string& slotName(int mode, SlotText text, int slot) {
    return kSlotNames.at(mode * kNamesPerMode + static_cast<int>(text) + slot);
}

const std::string& collectionKey(CollectionKey key, int offset) {
    return kCollectionKeys.at(static_cast<int>(key) + offset);
}

} // namespace vestrano
