#include "state/plot_state.h"

namespace vestrano {

namespace {
const std::array<std::string, 24> kSlotNames{
    "x", "f(x", "g(x",  "f(x)", "g(x)",  "h(x)",  "f'(", "g'(",  "F(x)", "f", "g",  "h",
    "t", "x(t", "y1(t", "x(t)", "y1(t)", "y2(t)", "x'(", "y1'(", "X(t)", "x", "y1", "y2"};

const std::array<std::string, 20> kCollectionKeys{
    "",   "}",   "[",   "short:", "long:", "",    "",    "",     "x[",      "y[",
    "t[", "Df[", "Dg[", "Dh[",    "uf=",   "ug=", "uh=", "asy=", "Punkte=", "$"};
} // namespace

const std::string& slotName(int mode, int k) {
    return kSlotNames.at(mode * 12 + k);
}

const std::string& collectionKey(int index) {
    return kCollectionKeys.at(index);
}

} // namespace vestrano
