#include "app/settings_menu.h"

#include "app/window_arrangement.h"
#include "params/param_table.h"
#include "plot/scale.h"
#include "settings/defaults.h"
#include "settings/option_dialogs.h"
#include "settings/settings_file.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"

namespace vestrano {

void saveSettingsMenu(ProgramContext& ctx) {
    storeWorkingSettings(ctx.state, ctx.ui);
    storeSettings(ctx.state, ctx.ui, ctx.state.files.colfile);
}

void restoreDefaultsMenu(ProgramContext& ctx) {
    setdefaults(ctx);
    storeWorkingSettings(ctx.state, ctx.ui);
    // Help lines, fonts, widths and counts changed: the picture is drawn anew.
    setscale(ctx.state);
    aktpar(ctx);
    ctx.ui.changed(Change::Parameters);
    redrawGraph(ctx);
}

void showCountWindow(ProgramContext& ctx, int j) {
    if (j < 0 || j > 4) {
        return;
    }
    PlotState& state = ctx.state;
    showParamWindow(ctx, kFirstCountParam + j);
    if (state.menu.pardock) {
        arrangepara(state, paramFrame(state));
    }
    ctx.ui.changed(Change::Parameters);
}

} // namespace vestrano
