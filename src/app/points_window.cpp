#include "app/points_window.h"

#include <string>

#include "app/interpretall.h"
#include "collection/entry_editing.h"
#include "lines/point_list.h"
#include "lines/row_list.h"
#include "plot/resources.h"
#include "settings/settings_file.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "state/user_step.h"

namespace vestrano {

void showPointsWindow(ProgramContext& ctx) {
    PointsWindow& w = ctx.state.additional.points;
    if (!w.loaded) {
        w.loaded = true;
        w.sizeText = std::to_string(ctx.state.additional.pointsize);
        ++w.revision;
    }
    w.visible = true;
    ctx.ui.changed(Change::Points);
}

void nimmsPoints(ProgramContext& ctx) {
    interpretall(ctx);
    // The selected entry of an open collection follows the points.
    if (ctx.state.collection.window.frame.visible) {
        takeandsave(ctx, true);
    }
    storeWorkingSettings(ctx.state, ctx.ui);
    ctx.ui.changed(Change::Points);
    redrawGraph(ctx);
}

void taste(ProgramContext& ctx) {
    const StepScope userStep(ctx, UserStep::Points);
    if (enterPoint(ctx.state, ctx.ui)) {
        nimmsPoints(ctx);
    }
}

void removePoints(ProgramContext& ctx) {
    const StepScope userStep(ctx, UserStep::Points);
    PointsWindow& w = ctx.state.additional.points;
    if (!removeSelected(w.rows)) {
        return;
    }
    clampRows(w);
    ++w.revision;
    makeplist(ctx.state);
    nimmsPoints(ctx);
}

void choosePointColour(ProgramContext& ctx, int k) {
    const StepScope userStep(ctx, UserStep::Points);
    if (recolourRow(ctx.ui, ctx.state.additional.points, k)) {
        nimmsPoints(ctx);
    }
}

void flipPointFlag(ProgramContext& ctx, uint8_t bit) {
    ctx.state.additional.pointflags ^= bit;
    ctx.ui.changed(Change::Points);
    ctx.ui.changed(Change::Menu);
    redrawGraph(ctx);
}

void chsize(ProgramContext& ctx, std::string_view text) {
    PlotState& state = ctx.state;
    if (!setPointSize(state, text)) {
        return;
    }
    makepens(state, kFixedPens);
    redrawGraph(ctx);
}

void togglePointsVisible(ProgramContext& ctx) {
    uint8_t& flags = ctx.state.additional.pointflags;
    flags = flags != 0 ? 0 : kPointDots | kPointNames;
    ctx.ui.changed(Change::Points);
    ctx.ui.changed(Change::Menu);
    redrawGraph(ctx);
}

} // namespace vestrano
