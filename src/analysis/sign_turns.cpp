#include "analysis/sign_turns.h"

#include <cmath>

namespace vestrano {

std::vector<SignTurn> signTurns(std::span<const double> values, std::span<const double> noise) {
    std::vector<SignTurn> turns;
    bool haveSign = false; // `last` holds the latest entry with a sign
    std::size_t last = 0;
    int zeros = 0; // entries within their noise since then
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double v = values[i];
        if (std::isnan(v)) {
            haveSign = false;
            zeros = 0;
            continue;
        }
        if (std::abs(v) <= noise[i]) {
            if (++zeros > 1) {
                haveSign = false;
            }
            continue;
        }
        if (haveSign && (values[last] > 0) != (v > 0)) {
            turns.push_back({last, i, values[last] > 0});
        }
        haveSign = true;
        last = i;
        zeros = 0;
    }
    return turns;
}

} // namespace vestrano
