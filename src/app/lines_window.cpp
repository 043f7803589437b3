#include "app/lines_window.h"

#include "app/interpretall.h"
#include "collection/entry_editing.h"
#include "lines/line_list.h"
#include "lines/row_list.h"
#include "settings/option_dialogs.h"
#include "settings/settings_file.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "state/user_step.h"

namespace vestrano {

void showLinesWindow(ProgramContext& ctx) {
    LinesWindow& w = ctx.state.additional.lines;
    if (!w.loaded) {
        w.loaded = true;
        text2list(ctx.state);
    }
    w.visible = true;
    ctx.ui.changed(Change::Lines);
}

void rebuildLinesText(PlotState& state, Ui& ui) {
    readlist(state, ui);
    state.additional.linestext =
        lineEngineText(state.additional.modelines[state.mode], state.mode, ui);
}

void takeit(ProgramContext& ctx) {
    rebuildLinesText(ctx.state, ctx.ui);
    interpretall(ctx);
}

void nimms(ProgramContext& ctx) {
    const StepScope userStep(ctx, UserStep::Lines);
    takeit(ctx);
    // The selected entry of an open collection follows the lines.
    if (ctx.state.collection.window.frame.visible) {
        takeandsave(ctx, true);
    }
    storeWorkingSettings(ctx.state, ctx.ui);
    ctx.ui.changed(Change::Lines);
    redrawGraph(ctx);
}

void asytaste(ProgramContext& ctx) {
    if (enterLine(ctx.state)) {
        nimms(ctx);
    }
}

void chdicke(ProgramContext& ctx, std::string_view text) {
    PlotState& state = ctx.state;
    if (!setDefaultLineType(state, text)) {
        ctx.ui.message("Unerlaubter Wert für die Linienart!", "Fehler:", MessageIcon::Critical);
        return;
    }
    storeWorkingSettings(state, ctx.ui);
    ctx.ui.changed(Change::Lines);
    redrawGraph(ctx);
}

void chli(ProgramContext& ctx, int k, std::string_view text) {
    setRowLineType(ctx.state, k, text);
    nimms(ctx);
}

void removeLines(ProgramContext& ctx) {
    LinesWindow& w = ctx.state.additional.lines;
    if (!removeSelected(w.rows)) {
        return;
    }
    clampRows(w);
    ++w.revision;
    nimms(ctx);
}

void chooseDefaultLineColour(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    const auto chosen = ctx.ui.chooseColor(static_cast<uint32_t>(state.style.colors[4]));
    if (!chosen) {
        return;
    }
    setcolour(state, 4, static_cast<int32_t>(*chosen & 0xFFFFFF));
    ctx.ui.changed(Change::Lines);
    redrawGraph(ctx);
    storeWorkingSettings(state, ctx.ui);
}

void chooseLineColour(ProgramContext& ctx, int k) {
    if (recolourRow(ctx.ui, ctx.state.additional.lines, k)) {
        nimms(ctx);
    }
}

void toggleLinesVisible(ProgramContext& ctx) {
    int16_t& visible = ctx.state.additional.linesvisible;
    visible = visible ? 0 : -1;
    ctx.ui.changed(Change::Menu);
    redrawGraph(ctx);
}

} // namespace vestrano
