#include "plot/drawing_messages.h"

#include <string>

#include "state/plot_state.h"
#include "state/ui.h"

namespace vestrano {

namespace {

// The terms as the engine sees them: a message comes again only after they changed.
std::string drawnTerms(const PlotState& state) {
    std::string cause = std::to_string(state.mode);
    for (const TermSlot& slot : state.slots) {
        cause += '\x1f' + slot.engtext;
    }
    return cause;
}

std::string withNote(const std::string& status, const std::string& note) {
    if (note.empty()) {
        return status;
    }
    if (status.empty() || status == "Ok.") {
        return note;
    }
    return status + (status.ends_with("; ") ? "" : "; ") + note;
}

} // namespace

void drawingNote(PlotState& state, Ui& ui, const std::string& note) {
    GraphState& g = state.graph;
    // Anything else that wrote the status line since then replaced the note with it.
    if (g.noteShown.empty() || state.status.text != g.noteShown) {
        g.statusWithoutNote = state.status.text;
        g.colorWithoutNote = state.status.color;
    }
    const std::string text = withNote(g.statusWithoutNote, note);
    g.noteShown = note.empty() ? "" : text;
    const uint32_t color = note.empty() ? g.colorWithoutNote : kErrorColor;
    if (text == state.status.text && color == state.status.color) {
        return;
    }
    state.status.text = text;
    state.status.color = color;
    ui.changed(Change::Status);
}

void showOnce(PlotState& state, Ui& ui, const std::string& text) {
    if (state.graph.drawingMessages.admit(drawnTerms(state), text)) {
        ui.message(text, "Vestrano", MessageIcon::None);
    }
}

} // namespace vestrano
