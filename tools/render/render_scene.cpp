#include "render_scene.h"

#include <algorithm>
#include <cctype>

#include "app/interpretall.h"
#include "params/param_table.h"
#include "plot/resources.h"
#include "plot/scale.h"
#include "state/plot_state.h"
#include "state/ui.h"

namespace vestrano {

namespace {

constexpr int16_t kBuiltInIntervals = 499;

std::string lower(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

void setSlots(PlotState& state, const Scene& scene, int width) {
    const auto perColumn = static_cast<int16_t>(std::clamp(width - 1, 1, 32767));
    for (int i = 0; i < kSlotCount; ++i) {
        TermSlot& slot = state.slots[i];
        slot.text = scene.terms[i];
        slot.visible = true;
        slot.ldicke = scene.lineWidth;
        slot.anzx = scene.intervals > 0 ? scene.intervals : perColumn;
        slot.anzt = scene.intervals > 0 ? scene.intervals : kBuiltInIntervals;
    }
}

std::string setParams(PlotState& state, const Scene& scene) {
    for (const auto& [name, value] : scene.params) {
        const std::string wanted = lower(name);
        const auto begin = state.params.begin() + kFirstFreeParam;
        const auto found = std::find_if(begin, state.params.end(), [&](const ParamEntry& p) {
            return p.parhandle >= 0 && p.parname == wanted;
        });
        if (found == state.params.end()) {
            return "Der Parameter " + name + " kommt in keinem Term vor.";
        }
        storeParamValue(state, static_cast<int>(found - state.params.begin()), value);
    }
    return "";
}

} // namespace

std::string prepareScene(PlotState& state, const Scene& scene, int width, int height,
                         TextMetrics& metrics, Ui& ui) {
    state.mode = scene.mode;
    setSlots(state, scene, width);
    state.view.xmin = scene.xmin;
    state.view.xmax = scene.xmax;
    state.view.ymin = scene.ymin;
    state.view.ymax = scene.ymax;
    state.view.tmin = scene.tmin;
    state.view.tmax = scene.tmax;
    state.view.picw = static_cast<double>(width) * state.view.tppx;
    state.view.pich = static_cast<double>(height) * state.view.tppy;

    makepens(state, kSlotPens);
    fosize(state, metrics);
    interpretall(state, ui);
    const std::string error = setParams(state, scene);
    setscale(state);
    return error;
}

} // namespace vestrano
