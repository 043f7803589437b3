#include "app/graph_export.h"

#include "app/graph_overlay.h"
#include "plot/emf_canvas.h"
#include "plot/redraw.h"
#include "settings/text_file.h"
#include "state/plot_state.h"
#include "state/program_context.h"

namespace vestrano {

void drawGraphInto(PlotState& state, Canvas& canvas, Ui& ui) {
    state.options.emfmode = 1;
    redrawall(state, canvas, ui, drawOverlays);
    state.options.emfmode = 0;
    state.graph.backgroundValid = false;
}

std::string metafileName(const PlotState& state) {
    return state.files.tmpfile.empty() ? std::string() : state.files.tmpfile + ".emf";
}

std::string emfcopy(ProgramContext& ctx) {
    std::string file;
    if (ctx.hooks.metrics) {
        EmfCanvas metafile(ctx.state.view, *ctx.hooks.metrics);
        drawGraphInto(ctx.state, metafile, ctx.ui);
        file = metafile.finish();
    }
    if (const std::string name = metafileName(ctx.state); !name.empty() && !file.empty()) {
        // A failed write is told there; the picture still goes to the clipboard.
        ignoreResult(writeOrTell(ctx.ui, name, file));
    }
    redrawGraph(ctx);
    return file;
}

} // namespace vestrano
