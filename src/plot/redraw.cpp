#include "plot/redraw.h"

#include "plot/canvas.h"
#include "plot/drawing_messages.h"
#include "plot/graph_drawing.h"
#include "plot/helpline.h"
#include "plot/integral_drawing.h"
#include "plot/restriction.h"
#include "state/plot_state.h"
#include "state/ui.h"

namespace vestrano {

namespace {

void prepareSlot(PlotState& state, int slot) {
    GraphState& g = state.graph;
    g.curstep = state.view.slotstep[slot];
    state.engine.ucSetVariableValueDbl(state.handles.sw, g.curstep);
    g.curltyp = g.ltyp[slot];
}

// False when the slot's integral could not be walked to from its lower bound.
bool drawSlot(PlotState& state, Canvas& canvas, Ui& ui, int slot) {
    const TermSlot& s = state.slots[slot];
    prepareSlot(state, slot);
    if (state.mode == 1) {
        state.graph.curnt = s.anzt;
        if (s.integrand.empty()) {
            drawk(state, canvas, ui, s.engtext, slot);
            return true;
        }
        return stammk(state, canvas, ui, s.engtext, slot);
    }
    state.graph.curnx = s.anzx;
    checkdef(state, ui, slot);
    if (s.integrand.empty()) {
        drawf(state, canvas, s.engtext, slot);
        return true;
    }
    return stammf(state, canvas, s.engtext, slot);
}

void addFarBoundNote(const PlotState& state, int slot, std::string& note) {
    note += note.empty() ? "" : "; ";
    note += slotName(state.mode, SlotText::Function, slot) +
            ": Untere Grenze zu weit vom Zeichenbereich entfernt";
}

} // namespace

void redraw(PlotState& state, Canvas& canvas, Ui& ui, DrawOverlay overlay) {
    if (state.busy >= 1) {
        return;
    }
    GraphState& g = state.graph;
    g.xclip = 2 * state.view.picw;
    g.yclip = 2 * state.view.pich;
    helpline(state, canvas);
    std::string note;
    for (int slot = state.mode; slot < kSlotCount; ++slot) {
        const PenSpec previous = canvas.selectPen(state.style.penSpecs[slot]);
        const TermSlot& s = state.slots[slot];
        if (!s.engtext.empty() && s.visible && !drawSlot(state, canvas, ui, slot)) {
            addFarBoundNote(state, slot, note);
        }
        canvas.selectPen(previous);
    }
    drawingNote(state, ui, note);
    if (overlay) {
        overlay(state, canvas, ui);
    }
    ui.changed(Change::Picture);
}

void redrawall(PlotState& state, Canvas& canvas, Ui& ui, DrawOverlay overlay) {
    state.graph.backgroundValid = false;
    redraw(state, canvas, ui, overlay);
}

} // namespace vestrano
