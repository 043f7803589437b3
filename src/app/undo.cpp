#include "app/undo.h"

#include "app/intervals.h"
#include "app/lines_window.h"
#include "app/mode_switch.h"
#include "history/undo_history.h"
#include "lines/line_list.h"
#include "lines/point_list.h"
#include "params/param_arithmetic.h"
#include "params/param_table.h"
#include "plot/scale.h"
#include "settings/angle_mode.h"
#include "state/busy_scope.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"

namespace vestrano {

namespace {

void restoreView(ProgramContext& ctx, const PlotSnapshot& s) {
    PlotState& state = ctx.state;
    Viewport& v = state.view;
    v.xmin = s.view[0];
    v.xmax = s.view[1];
    v.ymin = s.view[2];
    v.ymax = s.view[3];
    v.tmin = s.view[4];
    v.tmax = s.view[5];
    setscale(state);
    state.lowerbounds = s.lowerbounds;
    updateall(ctx);
    for (int k = 0; k < kSlotCount; ++k) {
        state.intervals.von[kFirstRestrictionRow + k] = s.restrictions[2 * k];
        state.intervals.bis[kFirstRestrictionRow + k] = s.restrictions[2 * k + 1];
    }
    ++state.intervals.revision;
    state.intervaltext = makedtxt(state, ctx.ui);
}

void restoreObjects(ProgramContext& ctx, const PlotSnapshot& s) {
    PlotState& state = ctx.state;
    state.additional.modelines = s.lines;
    text2list(state);
    makeliste(state, s.points, ctx.ui);
    for (int k = 0; k < kSlotCount; ++k) {
        state.slots[k].text = s.terms[k];
        state.slots[k].visible = s.visible[k];
    }
    ctx.ui.changed(Change::Terms);
    ctx.ui.changed(Change::Lines);
    ctx.ui.changed(Change::Points);
}

// After the interpretation has found the parameters again: their bounds, values, timers
// and windows as they were. The lower bounds take the interval as their bounds.
void restoreParams(ProgramContext& ctx, const PlotSnapshot& s) {
    PlotState& state = ctx.state;
    for (int slot = 0; slot < kParamCount; ++slot) {
        const ParamSnapshot& was = s.params[slot];
        ParamEntry& p = state.params[slot];
        if (was.name.empty() || !slotInUse(state, slot) || p.parname != was.name) {
            continue;
        }
        // A slot left as it was keeps its bar where it is.
        if (!isBoundSlot(slot) && (p.parmin != was.lower || p.parmax != was.upper)) {
            setparb(ctx, slot, was.lower, was.upper);
        }
        if (p.parvalue != was.value) {
            double value = was.value;
            setpar(ctx, slot, value);
        }
        p.parstep = was.step;
        p.parmode = was.timerMode;
        if (was.window) {
            showParamWindow(ctx, slot);
        } else {
            hideParamWindow(state, slot);
        }
    }
}

} // namespace

void restorePlot(ProgramContext& ctx, const PlotSnapshot& snapshot) {
    PlotState& state = ctx.state;
    {
        BusyScope batch(state);
        if (state.mode != snapshot.mode) {
            togglefork(ctx, snapshot.mode);
        }
        if (state.options.anglemode != snapshot.anglemode) {
            setAngleMode(state, static_cast<int>(snapshot.anglemode));
        }
        restoreView(ctx, snapshot);
        restoreObjects(ctx, snapshot);
        takeit(ctx);
        restoreParams(ctx, snapshot);
    }
    ctx.ui.changed(Change::Parameters);
    ctx.ui.changed(Change::Menu);
    redrawGraph(ctx);
}

bool undoStep(ProgramContext& ctx, UndoHistory& history) {
    return history.undo(ctx.state, [&ctx](const PlotSnapshot& plot) { restorePlot(ctx, plot); });
}

bool redoStep(ProgramContext& ctx, UndoHistory& history) {
    return history.redo(ctx.state, [&ctx](const PlotSnapshot& plot) { restorePlot(ctx, plot); });
}

} // namespace vestrano
