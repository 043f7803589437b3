#include "history/step_names.h"

#include "history/plot_snapshot.h"

namespace vestrano {

namespace {

// The function name of the first slot whose text or check box changed, or "".
std::string changedSlot(const PlotSnapshot& before, const PlotSnapshot& after) {
    for (int k = 0; k < kSlotCount; ++k) {
        if (before.terms[k] != after.terms[k] || before.visible[k] != after.visible[k]) {
            return slotName(after.mode, SlotText::Function, k);
        }
    }
    return {};
}

// " a" for the first free parameter whose value changed, or "".
std::string changedParam(const PlotSnapshot& before, const PlotSnapshot& after) {
    for (int s = kFirstFreeParam; s < kParamCount; ++s) {
        const ParamSnapshot& p = after.params[s];
        if (!p.name.empty() && before.params[s].name == p.name &&
            before.params[s].value != p.value) {
            return " " + p.name;
        }
    }
    return {};
}

std::string withSlot(const std::string& slot, const char* alone, const char* withName) {
    return slot.empty() ? alone : slot + withName;
}

} // namespace

std::string stepName(UserStep step, const PlotSnapshot& before, const PlotSnapshot& after) {
    switch (step) {
    case UserStep::Unnamed:
        return "Änderung";
    case UserStep::TakeOver:
        return withSlot(changedSlot(before, after), "Terme übernehmen", " übernehmen");
    case UserStep::SlotVisibility:
        return withSlot(changedSlot(before, after), "Sichtbarkeit", " ein/aus");
    case UserStep::ParamValue:
        return "Parameterwert" + changedParam(before, after);
    case UserStep::ParamBounds:
        return "Parametergrenzen";
    case UserStep::TimerSettings:
        return "Timer-Einstellung";
    case UserStep::TimerRun:
        return "Timer";
    case UserStep::Coupling:
        return "Maus-Kopplung" + changedParam(before, after);
    case UserStep::Zoom:
        return "Zoom";
    case UserStep::Pan:
        return "Verschieben";
    case UserStep::Aspect:
        return "Verhältnis x:y";
    case UserStep::Intervals:
        return "Intervalle";
    case UserStep::Lines:
        return "Geraden";
    case UserStep::Points:
        return "Punkte";
    case UserStep::AngleUnit:
        return "Winkelmaß";
    case UserStep::Mode:
        return after.mode == 1 ? "Kurvenplotter" : "Funktionenplotter";
    case UserStep::Entry:
        return "Sammlungseintrag";
    }
    return {};
}

} // namespace vestrano
