#include "plot/resources.h"

#include <limits>

#include "plot/text_metrics.h"
#include "state/plot_state.h"
#include "state/rounding.h"

namespace vestrano {

namespace {

constexpr int16_t kNormalWeight = 400;
constexpr int16_t kBoldWeight = 700;
constexpr int32_t kBlack = 0;

void renew(int32_t& handle) {
    handle = handle == std::numeric_limits<int32_t>::max() || handle < 0 ? 1 : handle + 1;
}

int16_t slotWidth(const PlotState& state, int slot) {
    const int16_t entryWidth = state.view.ldickeovr[slot];
    return entryWidth < 0 ? state.slots[slot].ldicke : entryWidth;
}

// Compares with the colour the pen was made with, so an unchanged slot is left alone
// however often it is asked.
void makeSlotPen(PlotState& state, int slot) {
    Viewport& view = state.view;
    const PenSpec wanted{kSolidPen, slotWidth(state, slot), view.colors[slot]};
    if (state.pens[slot] > 0 && wanted == view.penSpecs[slot]) {
        return;
    }
    view.penSpecs[slot] = wanted;
    view.penwidth[slot] = wanted.width;
    renew(state.pens[slot]);
}

void makeFixedPens(PlotState& state) {
    Viewport& view = state.view;
    view.penSpecs[kHelpLinePen] = {kSolidPen, 1, view.colors[3]};
    view.penSpecs[kAxisPen] = {kSolidPen, state.axiswidth, kBlack};
    view.font(kLabelFont) = {"Arial", view.fontz, kNormalWeight};
    view.font(kAxisNameFont) = {"Arial", view.fontxy, kBoldWeight};
    view.font(kPointFont) = {"Arial", state.pointsize, kBoldWeight};
    for (int i = kHelpLinePen; i <= kPointFont; ++i) {
        renew(state.pens[i]);
    }
}

int16_t toTwips(int pixels, int16_t twipsPerPixel) {
    return toInt16(static_cast<double>(pixels) * twipsPerPixel)
        .value_or(std::numeric_limits<int16_t>::max());
}

void measureDigit(PlotState& state, TextMetrics& metrics, int font, int entry) {
    Viewport& view = state.view;
    const TextSize size = metrics.measure(view.font(font), "0");
    view.charh[entry] = toTwips(size.height, view.tppy);
    view.charw[entry] = toTwips(size.width, view.tppx);
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
