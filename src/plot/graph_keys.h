#pragma once

namespace vestrano {

struct ProgramContext;

// Key codes of the drawing area's keys.
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyX = 88;
inline constexpr int kKeyY = 89;
inline constexpr int kKeyPad2 = 98;
inline constexpr int kKeyPad4 = 100;
inline constexpr int kKeyPad6 = 102;
inline constexpr int kKeyPad8 = 104;
inline constexpr int kKeyPadPlus = 107;
inline constexpr int kKeyPadMinus = 109;
inline constexpr int kKeyPlus = 187;
inline constexpr int kKeyMinus = 189;

// A key pressed in the drawing area with the modifiers added up (Shift 1, Ctrl 2, Alt 4).
// Arrows scroll by 1 % of the span, with Shift alone by 5 %; with Ctrl alone they zoom one
// axis; "+" and "-" zoom both axes about the centre; X and Y give both axes the same scale.
void graphKey(ProgramContext& ctx, int key, int shift);

} // namespace vestrano
