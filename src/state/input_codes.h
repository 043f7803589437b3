#pragma once

namespace vestrano {

// Mouse buttons and modifier keys as the graph window reports them, added up.
inline constexpr int kButtonLeft = 1;
inline constexpr int kButtonRight = 2;
inline constexpr int kButtonMiddle = 4;
inline constexpr int kModShift = 1;
inline constexpr int kModCtrl = 2;
inline constexpr int kModAlt = 4;

} // namespace vestrano
