#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace vestrano {

// Every double-to-integer conversion rounds half to even.
inline double roundEven(double v) {
    return std::nearbyint(v);
}

// Rounds half to even into 16 bits; empty when the value does not fit (or is NaN),
// so the caller can treat it as a run-time fault.
inline std::optional<int16_t> toInt16(double v) {
    const double r = std::nearbyint(v);
    if (!(r >= -32768.0 && r <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<int16_t>(r);
}

inline std::optional<int32_t> toInt32(double v) {
    const double r = std::nearbyint(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) {
        return std::nullopt;
    }
    return static_cast<int32_t>(r);
}

} // namespace vestrano
