#include "settings/defaults.h"

#include "settings/option_dialogs.h"
#include "settings/settings_keys.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"

namespace vestrano {

void setdefaults(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    storeDefaults(state, DefaultGroup::General);
    setval(state);
    helpdefaults(ctx);
    linedefaults(ctx);
    ctx.ui.changed(Change::Menu);
}

void helpdefaults(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    storeDefaults(state, DefaultGroup::HelpLines);
    setdef(state);
    refreshFonts(ctx);
    ctx.ui.changed(Change::Options);
}

void linedefaults(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    storeDefaults(state, DefaultGroup::Lines);
    state.style.ldickeovr.fill(-1);
    // The first slot's t count has no key of its own; it and the counts being drawn follow the
    // defaults just set.
    const TermSlot& counted = state.slots[1];
    state.slots[0].anzt = counted.anzt;
    state.graph.curnx = counted.anzx;
    state.graph.curnt = counted.anzt;
    state.graph.inflimit = "1E-10";
    setgroptions(ctx);
    ctx.ui.changed(Change::Options);
    ctx.ui.changed(Change::Terms);
}

} // namespace vestrano
