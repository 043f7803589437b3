#pragma once

#include "state/twip_rect.h"

namespace vestrano {

inline constexpr const char* kCalcCaption = "Taschenrechner";
inline constexpr const char* kCalcButton = "=";
inline constexpr const char* kCalcClearButton = "&Löschen";
inline constexpr const char* kCalcCloseButton = "Schließen";
inline constexpr const char* kCalcDecimalsLabel = "Genauigkeit:";

// Whole window, frame included, in twips: a fixed height, a least and a starting width.
inline constexpr int kCalcHeight = 1590;
inline constexpr int kCalcMinWidth = 3000;
inline constexpr int kCalcStartWidth = 4000;

// Places of the controls in the window's client area. The expression and the result take
// the width the window leaves; the decimals and the buttons keep theirs at the right edge.
struct CalcLayout {
    TwipRect text1;    // the expression
    TwipRect label1;   // the result
    TwipRect label2;   // "Genauigkeit:"
    TwipRect text2;    // the number of decimals
    TwipRect command1; // "="
    TwipRect command3; // "&Löschen"
    TwipRect command2; // "Schließen"
    bool operator==(const CalcLayout&) const = default;
};
CalcLayout calcLayout(int windowWidth);

// Where the window first appears: the bottom right corner of the main window's client area,
// clear of the term and graph windows at the left.
TwipRect calcStartPlace(int clientWidth, int clientHeight, int windowHeight);

} // namespace vestrano
