#pragma once

#include <array>

#include "state/interval_window.h"
#include "state/twip_rect.h"

namespace vestrano {

// The intervals window: places in twips within its client area. The rows of x, y and t sit
// under the column headings; the restrictions lie below the place of the buttons in curve
// mode, so that they are outside the window there, and the buttons move below them in
// function mode.
// Names of the rows, also used in the messages, and the captions of the "Standard" buttons.
inline constexpr std::array<const char*, kIntervalRows> kInterRowNames{
    "x-Bereich", "y-Bereich", "t-Bereich", "f(x)", "g(x)", "h(x)"};
inline constexpr std::array<const char*, 3> kInterPresetCaptions{"[ - 5 ; 5 ]", "[ - 5 ; 5 ]",
                                                                 "[ 0 ; 10 ]"};

inline constexpr int kInterClientWidth = 5175;
inline constexpr int kInterRowPitch = 345;
inline constexpr int kInterRowHeight = 315;
inline constexpr int kInterFirstRowTop = 285;
inline constexpr int kInterRestrictionTop = 1725;
inline constexpr int kInterRestrictionPitch = 375;
inline constexpr TwipRect kInterRowName{90, 0, 1005, kInterRowHeight};  // Label4(i)
inline constexpr TwipRect kInterLower{1110, 0, 1305, kInterRowHeight};  // von(i)
inline constexpr TwipRect kInterUpper{2490, 0, 1305, kInterRowHeight};  // bis(i)
inline constexpr TwipRect kInterPreset{3870, 0, 1215, kInterRowHeight}; // Command1(i)
inline constexpr TwipRect kInterHeadings{0, 45, 0, 225}; // Label1..Label3, over the columns
inline constexpr int kInterHeadingOverhang = 60;         // on each side of its column
inline constexpr TwipRect kInterRestrictionHeading{90, 1410, 4995, 255}; // Label5
inline constexpr int kInterButtonTopFunctions = 2880;
inline constexpr int kInterButtonTopCurves = 1320;
inline constexpr int kInterButtonHeight = 375;
inline constexpr TwipRect kInterTakeOver{90, 0, 1905, kInterButtonHeight}; // Command2
inline constexpr TwipRect kInterAspect{2070, 0, 1035, kInterButtonHeight}; // Command3
inline constexpr TwipRect kInterClose{3180, 0, 1905, kInterButtonHeight};  // Command6
inline constexpr int kInterBottomMargin = 30;

// Top of row i: x, y and t one under the other, the restrictions below their heading.
constexpr int interRowTop(int i) {
    return i < 3 ? kInterFirstRowTop + i * kInterRowPitch
                 : kInterRestrictionTop + (i - 3) * kInterRestrictionPitch;
}

} // namespace vestrano
