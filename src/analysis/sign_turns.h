#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

namespace vestrano {

// A change of sign in a sequence: entry `first` has one sign, entry `last` the other, and at
// most one entry between them is zero within rounding.
struct SignTurn {
    std::size_t first = 0;
    std::size_t last = 0;
    bool fromPositive = false;
};

// The sign changes of the entries value(0) .. value(n - 1) (NaN = undefined, which breaks the
// sequence). An entry within its noise(i) counts as zero: one such entry is bridged, two in a
// row are a piece where the values vanish, across which no sign change is reported. Entries
// are computed on the way, so no sequence is ever stored.
template <class Value, class Noise>
std::vector<SignTurn> signTurns(std::size_t n, Value value, Noise noise) {
    std::vector<SignTurn> turns;
    bool haveSign = false; // `lastValue` is the latest entry with a sign, at `last`
    double lastValue = 0;
    std::size_t last = 0;
    int zeros = 0; // entries within their noise since then
    for (std::size_t i = 0; i < n; ++i) {
        const double v = value(i);
        if (std::isnan(v)) {
            haveSign = false;
            zeros = 0;
            continue;
        }
        if (std::abs(v) <= noise(i)) {
            haveSign = haveSign && ++zeros <= 1;
            continue;
        }
        if (haveSign && (lastValue > 0) != (v > 0)) {
            turns.push_back({last, i, lastValue > 0});
        }
        haveSign = true;
        lastValue = v;
        last = i;
        zeros = 0;
    }
    return turns;
}

} // namespace vestrano
