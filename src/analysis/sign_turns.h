#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace vestrano {

// A change of sign in a sequence: entry `first` has one sign, entry `last` the other, and at
// most one entry between them is zero within rounding.
struct SignTurn {
    std::size_t first = 0;
    std::size_t last = 0;
    bool fromPositive = false;
};

// The sign changes of `values` (NaN = undefined, which breaks the sequence). An entry within
// its `noise` counts as zero: one such entry is bridged, two in a row are a piece where the
// values vanish, across which no sign change is reported.
std::vector<SignTurn> signTurns(std::span<const double> values, std::span<const double> noise);

} // namespace vestrano
