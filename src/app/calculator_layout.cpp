#include "app/calculator_layout.h"

#include <algorithm>

namespace vestrano {

namespace {

constexpr int kMargin = 60;
constexpr int kRowHeight = 315;
constexpr int kRowStep = kRowHeight + kMargin;
constexpr int kWideShrink = 2295;  // expression and result: the window's width less this
constexpr int kButtonShift = 1020; // buttons: this far left of the window's right edge
constexpr int kButtonWidth = 840;
constexpr int kGap = 30;

} // namespace

CalcLayout calcLayout(int windowWidth) {
    const int width = std::max(windowWidth, kCalcMinWidth);
    const int wide = width - kWideShrink;
    // The decimals fill the room between the expression and the buttons.
    const int middle = kMargin + wide + kGap;
    const int buttons = width - kButtonShift;
    const int middleWidth = buttons - kGap - middle;
    CalcLayout layout;
    layout.text1 = {kMargin, kMargin, wide, kRowHeight};
    layout.label1 = {kMargin, kMargin + kRowStep, wide, kRowHeight};
    layout.label2 = {middle, kMargin, middleWidth, kRowHeight};
    layout.text2 = {middle, kMargin + kRowStep, middleWidth, kRowHeight};
    layout.command1 = {buttons, kMargin, kButtonWidth, kRowHeight};
    layout.command3 = {buttons, kMargin + kRowStep, kButtonWidth, kRowHeight};
    // Below them the wider close button, whose caption would not fit the buttons' column.
    layout.command2 = {middle, kMargin + 2 * kRowStep, buttons + kButtonWidth - middle, kRowHeight};
    return layout;
}

TwipRect calcStartPlace(int clientWidth, int clientHeight, int windowHeight) {
    return {std::max(clientWidth - kCalcStartWidth, 0), std::max(clientHeight - windowHeight, 0),
            kCalcStartWidth, windowHeight};
}

} // namespace vestrano
