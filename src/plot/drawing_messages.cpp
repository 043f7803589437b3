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

} // namespace

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
