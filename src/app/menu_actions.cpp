#include "app/menu_actions.h"

#include "app/window_arrangement.h"
#include "settings/angle_mode.h"
#include "settings/settings_file.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "state/user_step.h"

namespace vestrano {

namespace {

bool GraphState::*displayFlag(DisplayItem item) {
    switch (item) {
    case DisplayItem::HelpLines:
        return &GraphState::mn_helpline;
    case DisplayItem::Numbers:
        return &GraphState::mn_viewnumb;
    case DisplayItem::Axes:
        return &GraphState::mn_axevis;
    case DisplayItem::AxisNames:
        return &GraphState::mn_axname;
    }
    return &GraphState::mn_helpline;
}

void arrange(ProgramContext& ctx) {
    arrangeWindows(ctx.state);
    ctx.ui.changed(Change::Layout);
}

} // namespace

void winkelmas(ProgramContext& ctx, int m) {
    const StepScope userStep(ctx, UserStep::AngleUnit);
    if (m < 1 || m > 3) {
        return;
    }
    setAngleMode(ctx.state, m);
    // The mode switch reads the settings of the working copy again; the unit must be there.
    storeWorkingSettings(ctx.state, ctx.ui);
    ctx.ui.changed(Change::Menu);
    redrawGraph(ctx);
}

bool displayChecked(const PlotState& state, DisplayItem item) {
    return state.graph.*displayFlag(item);
}

void toggleDisplay(ProgramContext& ctx, DisplayItem item) {
    bool& flag = ctx.state.graph.*displayFlag(item);
    flag = !flag;
    ctx.ui.changed(Change::Menu);
    ctx.state.graph.backgroundValid = false;
    redrawGraph(ctx);
}

void toggleZoomLock(ProgramContext& ctx) {
    ctx.state.menu.zoomtoggle = !ctx.state.menu.zoomtoggle;
    ctx.ui.changed(Change::Menu);
}

void toggleDock(ProgramContext& ctx) {
    ctx.state.menu.dock = !ctx.state.menu.dock;
    ctx.ui.changed(Change::Menu);
    arrange(ctx);
}

void mainResized(ProgramContext& ctx, int clientWidth, int clientHeight, bool minimized) {
    WindowLayout& layout = ctx.state.layout;
    layout.clientWidth = clientWidth;
    layout.clientHeight = clientHeight;
    layout.minimized = minimized;
    if (ctx.state.menu.dock) {
        arrange(ctx);
    }
}

void childResized(ProgramContext& ctx) {
    if (!ctx.state.menu.pardock) {
        return;
    }
    arrangepara(ctx.state, paramFrame(ctx.state));
    ctx.ui.changed(Change::Parameters);
}

} // namespace vestrano
