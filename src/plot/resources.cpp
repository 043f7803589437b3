#include "plot/resources.h"

#include <limits>

#include "state/plot_state.h"
#include "state/rounding.h"
#include "state/text_metrics.h"

namespace vestrano {

namespace {

constexpr int16_t kNormalWeight = 400;
constexpr int16_t kBoldWeight = 700;
constexpr int32_t kBlack = 0;

void renew(int32_t& handle) {
    handle = handle == std::numeric_limits<int32_t>::max() || handle < 0 ? 1 : handle + 1;
}

int16_t slotWidth(const PlotState& state, int slot) {
    const int16_t entryWidth = state.style.ldickeovr[slot];
    return entryWidth < 0 ? state.slots[slot].ldicke : entryWidth;
}

// Compares with the colour the pen was made with, so an unchanged slot is left alone
// however often it is asked.
void makeSlotPen(PlotState& state, int slot) {
    DrawingStyle& style = state.style;
    const PenSpec wanted{kSolidPen, slotWidth(state, slot), style.colors[slot]};
    if (style.pens[slot] > 0 && wanted == style.penSpecs[slot]) {
        return;
    }
    style.penSpecs[slot] = wanted;
    style.penwidth[slot] = wanted.width;
    renew(style.pens[slot]);
}

void makeFixedPens(PlotState& state) {
    DrawingStyle& style = state.style;
    style.penSpecs[kHelpLinePen] = {kSolidPen, 1, style.colors[3]};
    style.penSpecs[kAxisPen] = {kSolidPen, style.axiswidth, kBlack};
    style.font(kLabelFont) = {"Arial", style.fontz, kNormalWeight};
    style.font(kAxisNameFont) = {"Arial", style.fontxy, kBoldWeight};
    style.font(kPointFont) = {"Arial", state.additional.pointsize, kBoldWeight};
    for (int i = kHelpLinePen; i <= kPointFont; ++i) {
        renew(style.pens[i]);
    }
}

int16_t toTwips(int pixels, int16_t twipsPerPixel) {
    return toInt16(static_cast<double>(pixels) * twipsPerPixel)
        .value_or(std::numeric_limits<int16_t>::max());
}

void measureDigit(PlotState& state, TextMetrics& metrics, int font, int entry) {
    const Viewport& view = state.view;
    DrawingStyle& style = state.style;
    const TextSize size = metrics.measure(style.font(font), "0");
    style.charh[entry] = toTwips(size.height, view.tppy);
    style.charw[entry] = toTwips(size.width, view.tppx);
}

} // namespace

void makepens(PlotState& state, int16_t flags) {
    if (flags & kSlotPens) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            makeSlotPen(state, slot);
        }
    }
    if (flags & kFixedPens) {
        makeFixedPens(state);
    }
}

void fosize(PlotState& state, TextMetrics& metrics) {
    makepens(state, kFixedPens);
    measureDigit(state, metrics, kLabelFont, 1);
    measureDigit(state, metrics, kAxisNameFont, 0);
}

} // namespace vestrano
