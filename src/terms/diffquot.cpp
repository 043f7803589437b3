#include "terms/diffquot.h"

#include "state/plot_state.h"
#include "terms/bracketgroup.h"
#include "terms/text_replace.h"

namespace vestrano {

namespace {
// "f(x)" -> "((f(x+sw)-f(x))/sw)": the difference quotient with the engine's step "sw".
std::string derivativeTemplate(const std::string& slotFunction) {
    return "((" + slotFunction.substr(0, slotFunction.size() - 1) + "+sw)-" + slotFunction +
           ")/sw)";
}
} // namespace

std::string diffquot(std::string_view text, int slot, int mode, Ui& ui) {
    const std::string& slotFunction = slotName(mode, SlotText::Function, slot);
    const std::string& variable = slotName(mode, SlotText::Variable);
    const std::string pattern = slotFunction.substr(0, slotFunction.size() - 3) + "'(";
    const std::string derivative = derivativeTemplate(slotFunction);

    // Hits are searched in the unchanged input, replacements go into the copy.
    std::string work(text);
    for (std::size_t hit = text.find(pattern); hit != std::string_view::npos;) {
        const std::string group = bracketgroup(text, hit + 1, ui);
        std::string replacement = derivative;
        replaceAll(replacement, variable, group);
        const std::string call = pattern + (group.empty() ? group : group.substr(1));
        replaceAll(work, call, replacement);
        hit = text.find(pattern, hit + group.size() + 2);
    }
    return work;
}

} // namespace vestrano
