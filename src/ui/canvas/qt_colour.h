#pragma once

#include <QColor>

#include <cstdint>

namespace vestrano {

// Colours of the core are red + 256 * green + 65536 * blue.
inline QColor qtColor(uint32_t rgb) {
    return QColor(static_cast<int>(rgb & 0xff), static_cast<int>((rgb >> 8) & 0xff),
                  static_cast<int>((rgb >> 16) & 0xff));
}

inline uint32_t coreColor(const QColor& colour) {
    return static_cast<uint32_t>(colour.red()) | static_cast<uint32_t>(colour.green()) << 8 |
           static_cast<uint32_t>(colour.blue()) << 16;
}

} // namespace vestrano
