#include "settings/defaults.h"

#include "settings/angle_mode.h"
#include "settings/option_dialogs.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"

namespace vestrano {

void setdefaults(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    setAngleMode(state, 1);
    state.menu.autoint = false;
    state.options.zoomx = 1.5;
    state.options.zoomy = 1.5;
    setval(state);
    helpdefaults(ctx);
    linedefaults(ctx);
    ctx.ui.changed(Change::Menu);
}

void helpdefaults(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    state.grid.startx = 0;
    state.grid.starty = 0;
    state.grid.stepx = 0.5;
    state.grid.stepy = 0.5;
    state.grid.hminx = 10;
    state.grid.hminy = 10;
    state.grid.hmaxx = 40;
    state.grid.hmaxy = 40;
    state.grid.kommax = 2;
    state.grid.kommay = 2;
    state.style.fontz = 12;
    state.style.fontxy = 16;
    state.style.helpcol = 210;
    setdef(state);
    refreshFonts(ctx);
    ctx.ui.changed(Change::Options);
}

void linedefaults(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    for (int i = 0; i < kSlotCount; ++i) {
        state.slots[i].ldicke = 0;
        state.style.ldickeovr[i] = -1;
        state.slots[i].anzx = 499;
        state.slots[i].anzt = 499;
        state.graph.ltyp[i] = 0;
    }
    state.graph.curnx = 499;
    state.graph.curnt = 499;
    state.style.stdcolors = DrawingStyle{}.stdcolors;
    state.graph.inflimit = "1E-10";
    setgroptions(ctx);
    ctx.ui.changed(Change::Options);
    ctx.ui.changed(Change::Terms);
}

} // namespace vestrano
