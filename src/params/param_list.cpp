#include "params/param_list.h"

#include <algorithm>
#include <cmath>

#include "params/arrangement.h"
#include "params/param_design.h"
#include "params/param_table.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"

namespace vestrano {

namespace {

constexpr int kRowHeight = 237;
constexpr int kNameMargin = 800;

void updateButton(ParamListWindow& list) {
    const bool allChecked = std::all_of(list.rows.begin(), list.rows.end(),
                                        [](const ParamListRow& r) { return r.checked; });
    list.buttonCaption = allChecked ? "&Keine" : "&Alle";
}

void placeList(ParamListWindow& list, const FrameGeometry& frame, int widest) {
    list.width = widest + kNameMargin;
    int x = frame.graphLeft - list.width;
    if (x < 0) {
        x = frame.graphLeft + frame.graphWidth;
    }
    if (x + list.width > frame.width) {
        x = 0;
    }
    list.left = x;
    list.listHeight = kRowHeight * static_cast<int>(list.rows.size()) + 100;
    list.height = std::max(kListRows.top + list.listHeight + 400, kListMinHeight);
}

void showRow(ProgramContext& ctx, int s, bool checked) {
    if (checked) {
        showParamWindow(ctx, s);
        return;
    }
    hideParamWindow(ctx.state, s);
}

} // namespace

bool listed(const PlotState& state, int s) {
    if (!slotInUse(state, s) || isCountSlot(s)) {
        return false;
    }
    return !isBoundSlot(s) || !state.slots[s].integrand.empty();
}

void refpar(PlotState& state, const FrameGeometry& frame, const NameWidth& nameWidth) {
    ParamListWindow& list = state.paramlist;
    list.rows.clear();
    double widest = 0;
    for (int s = 0; s < kParamCount; ++s) {
        if (!listed(state, s)) {
            continue;
        }
        const std::string name = paramName(state, s);
        list.rows.push_back({s, name, paraVisible(state, s)});
        widest = std::max(widest, nameWidth(name));
    }
    placeList(list, frame, static_cast<int>(std::nearbyint(widest)));
    updateButton(list);
    list.visible = true;
}

void listClick(ProgramContext& ctx, const FrameGeometry& frame, int row, bool checked) {
    PlotState& state = ctx.state;
    ParamListWindow& list = state.paramlist;
    if (row < 0 || row >= static_cast<int>(list.rows.size())) {
        return;
    }
    ParamListRow& r = list.rows[static_cast<std::size_t>(row)];
    r.checked = checked;
    showRow(ctx, r.slot, checked);
    updateButton(list);
    activateParamWindow(state, r.slot);
    if (state.menu.pardock) {
        arrangepara(state, frame);
    }
    ctx.ui.changed(Change::Parameters);
}

void listButton(ProgramContext& ctx, const FrameGeometry& frame) {
    PlotState& state = ctx.state;
    ParamListWindow& list = state.paramlist;
    const bool check = std::any_of(list.rows.begin(), list.rows.end(),
                                   [](const ParamListRow& r) { return !r.checked; });
    for (ParamListRow& r : list.rows) {
        r.checked = check;
        showRow(ctx, r.slot, check);
    }
    updateButton(list);
    if (state.menu.pardock) {
        arrangepara(state, frame);
    }
    ctx.ui.changed(Change::Parameters);
}

void schalt(PlotState& state, int s) {
    ParamListWindow& list = state.paramlist;
    for (ParamListRow& r : list.rows) {
        if (r.slot == s) {
            r.checked = false;
        }
    }
    updateButton(list);
}

ListLayout listLayout(int clientWidth, int clientHeight) {
    ListLayout layout;
    layout.rowsWidth = clientWidth;
    layout.rowsHeight = std::max(clientHeight - kListRows.top, 0);
    layout.buttonWidth = clientWidth;
    return layout;
}

} // namespace vestrano
