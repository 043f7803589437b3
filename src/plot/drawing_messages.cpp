#include "plot/drawing_messages.h"

#include <algorithm>

#include "state/plot_state.h"
#include "state/ui.h"

namespace vestrano {

namespace {

bool sameTerms(const PlotState& state) {
    const GraphState& g = state.graph;
    if (g.messageMode != state.mode) {
        return false;
    }
    for (int i = 0; i < kSlotCount; ++i) {
        if (g.messageTerms[i] != state.slots[i].engtext) {
            return false;
        }
    }
    return true;
}

void rememberTerms(PlotState& state) {
    GraphState& g = state.graph;
    g.shownMessages.clear();
    g.messageMode = state.mode;
    for (int i = 0; i < kSlotCount; ++i) {
        g.messageTerms[i] = state.slots[i].engtext;
    }
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
    if (g.noteShown.empty() || state.statusText != g.noteShown) {
        g.statusWithoutNote = state.statusText;
        g.colorWithoutNote = state.statusColor;
    }
    const std::string text = withNote(g.statusWithoutNote, note);
    g.noteShown = note.empty() ? "" : text;
    const uint32_t color = note.empty() ? g.colorWithoutNote : kErrorColor;
    if (text == state.statusText && color == state.statusColor) {
        return;
    }
    state.statusText = text;
    state.statusColor = color;
    ui.changed(Change::Status);
}

void showOnce(PlotState& state, Ui& ui, const std::string& text) {
    if (!sameTerms(state)) {
        rememberTerms(state);
    }
    std::vector<std::string>& shown = state.graph.shownMessages;
    if (std::find(shown.begin(), shown.end(), text) != shown.end()) {
        return;
    }
    shown.push_back(text);
    ui.message(text, "Vestrano", MessageIcon::None);
}

} // namespace vestrano
