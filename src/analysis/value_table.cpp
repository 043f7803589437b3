#include "analysis/value_table.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "analysis/integral_values.h"
#include "plot/expr_pass.h"
#include "plot/integral_drawing.h"
#include "state/plot_state.h"
#include "state/quiet_ui.h"
#include "terms/evaltext.h"

namespace vestrano {

namespace {

// The slot's values at xs before its restriction is applied.
Cells slotValues(PlotState& state, int slot, std::span<const double> xs) {
    const TermSlot& s = state.slots[slot];
    ExprPass pass(state.engine);
    if (s.integrand.empty()) {
        const int32_t expr = pass.parse(s.engtext);
        return termValues(state, expr, xs);
    }
    const std::optional<std::string> integrand = integrandOf(state, s.engtext, slot);
    if (!integrand) {
        return Cells(xs.size());
    }
    const int32_t expr = pass.parse(*integrand);
    return integralValues(state, expr, state.params[slot].parvalue, xs);
}

// Empties the rows outside the slot's drawing restriction; an open or unreadable end leaves
// that side unrestricted, and bounds the wrong way round count as swapped.
void restrict(PlotState& state, Ui& ui, int slot, std::span<const double> xs, Cells& cells) {
    // Typed restrictions are checked where they are typed; here they only cut.
    QuietUi quiet(ui);
    const int row = kFirstRestrictionRow + slot;
    std::optional<double> lo = evalterm(state.engine, state.intervals.von[row], state.mode, quiet);
    std::optional<double> hi = evalterm(state.engine, state.intervals.bis[row], state.mode, quiet);
    if (lo && hi && *lo > *hi) {
        std::swap(lo, hi);
    }
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if ((lo && xs[i] < *lo) || (hi && xs[i] > *hi)) {
            cells[i].reset();
        }
    }
}

} // namespace

ValueTable valueTable(PlotState& state, Ui& ui, std::vector<double> xs) {
    ValueTable table{std::move(xs), {}};
    if (state.mode != 0) {
        return table;
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const TermSlot& s = state.slots[slot];
        if (s.engtext.empty() || !s.visible) {
            continue;
        }
        Cells cells = slotValues(state, slot, table.x);
        restrict(state, ui, slot, table.x, cells);
        table.columns.push_back(
            {slotName(state.mode, SlotText::ShortName, slot), std::move(cells)});
    }
    return table;
}

} // namespace vestrano
