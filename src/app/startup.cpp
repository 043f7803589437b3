#include "app/startup.h"

#include <algorithm>
#include <string>
#include <utility>

#include "app/entry_apply.h"
#include "app/intervals.h"
#include "app/mode_switch.h"
#include "app/window_arrangement.h"
#include "collection/collection_file.h"
#include "collection/working_copy.h"
#include "params/param_table.h"
#include "plot/einszueins.h"
#include "plot/resources.h"
#include "plot/scale.h"
#include "settings/defaults.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "terms/engine_setup.h"

namespace vestrano {

namespace {

void startValues(PlotState& state) {
    for (int i = 0; i < kSlotCount; ++i) {
        state.slots[i].ldicke = 1;
        state.slots[i].prevcolor = -1;
    }
    state.lowerbounds.fill(0);
    state.style.pens.fill(0);
    state.additional.modelines = {};
    state.mode = 0;
    state.view.xmin = -10;
    state.view.xmax = 10;
    state.view.ymin = -10;
    state.view.ymax = 10;
    state.view.tmin = 0;
    state.view.tmax = 10;
}

void parameterTable(PlotState& state) {
    state.engine.ucReset();
    for (int s = 0; s < kParamCount; ++s) {
        ParamEntry& p = state.params[s];
        p.parhandle = -1;
        p.parname.clear();
        p.parmin = -10;
        p.parmax = 10;
        p.parvalue = 1.0;
    }
    for (int s = 0; s < kFirstCountParam; ++s) {
        state.params[s].parmin = state.mode == 0 ? state.view.xmin : state.view.tmin;
        state.params[s].parmax = state.mode == 0 ? state.view.xmax : state.view.tmax;
    }
    setBoundLabels(state);
    definevars(state);
}

// "0." and one "#" per decimal place of the labels.
std::string labelDecimals(int16_t komma) {
    return "0." + std::string(static_cast<std::size_t>(std::max<int16_t>(komma, 0)), '#');
}

} // namespace

BusyScope startup(ProgramContext& ctx, Hooks windows, const std::string& dataFolder) {
    PlotState& state = ctx.state;
    ctx.hooks = std::move(windows);
    ctx.hooks.followBounds = updatestamm;
    ctx.hooks.applyEntry = colgetall;
    state.engine.ucEval("");
    state.engine.ucEval(std::nullopt);
    BusyScope starting(state);
    startValues(state);
    parameterTable(state);
    definecore(state.engine);
    // The defaults evaluate their boxes, so the engine is set up before them.
    setdefaults(ctx);
    state.grid.fmtx = labelDecimals(state.grid.kommax);
    state.grid.fmty = labelDecimals(state.grid.kommay);
    setscale(state);
    makepens(state, kSlotPens);
    colinit(ctx, dataFolder);
    updateall(ctx);
    togglefork(ctx, 0);
    return starting;
}

void completeStartup(ProgramContext& ctx, TextMetrics& metrics, BusyScope starting) {
    PlotState& state = ctx.state;
    WindowLayout& layout = state.layout;
    layout.term.visible = true;
    // A large screen is used: the graph grows as far as one column of parameter windows allows.
    layout.term.width = startTermWidth(layout.clientWidth, state.parawidth);
    layout.graph.width = layout.term.width;
    fosize(state, metrics);
    layout.graph.left = 0;
    layout.graph.height = std::max(layout.clientHeight - layout.graph.top, 0);
    layout.graph.visible = true;
    ctx.ui.changed(Change::Layout);
    starting.end();
    arrangeWindows(state);
    ctx.ui.changed(Change::Layout);
    einszueins(ctx, 1);
}

void quit(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    if (state.files.colchanged &&
        ctx.ui.askYesNo("Die Sammlung ist geändert worden. Soll sie gespeichert werden?",
                        "Achtung!")) {
        // A failed save has been told; the changes stay in the working copy for the next start.
        ignoreResult(colsave(ctx, false));
    }
    for (int32_t& pen : state.style.pens) {
        if (pen > 0) {
            pen = 0;
        }
    }
}

} // namespace vestrano
