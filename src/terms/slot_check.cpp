#include "terms/slot_check.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/errtext.h"
#include "engine/plain_text.h"
#include "state/plot_state.h"
#include "terms/bracketgroup.h"
#include "terms/engine_setup.h"
#include "terms/termconv.h"
#include "terms/text_replace.h"

namespace vestrano {

namespace {

constexpr int kParseReleaseCount = 4;

bool usesIntegralFunction(PlotState& state, int k) {
    std::string& engtext = state.slots[k].engtext;
    if (engtext.find(slotName(state.mode, SlotText::Integral)) == std::string::npos) {
        return false;
    }
    if (state.slots[0].engtext.empty()) {
        engtext.clear();
        return false;
    }
    state.slots[k].integrand = "1";
    return true;
}

// Parses a slot text with the integral function standing for the variable; the error stays
// set for errtext.
int parseSlotText(PlotState& state, std::string_view text) {
    std::string probe(text);
    replaceAll(probe, slotName(state.mode, SlotText::Integral),
               slotName(state.mode, SlotText::Variable));
    state.engine.ucParse(probe);
    state.engine.ucReleaseExpr(kParseReleaseCount);
    return state.engine.ucGetError();
}

// The equation of a lines record «c=5242960:y=m*x+t:3» without its "y=" or "x=".
std::string recordEquation(std::string_view record) {
    if (record.starts_with("c=")) {
        const std::size_t colon = record.find(':');
        record = colon == std::string_view::npos ? std::string_view{} : record.substr(colon + 1);
    }
    std::string equation(record.substr(0, record.find(':')));
    for (const char* prefix : {"x=", "y="}) {
        replaceAll(equation, prefix, "");
    }
    return std::string(trimmed(equation));
}

// The equations of the lines in brackets joined by "+", so that the engine reads them as one
// expression and reports each unknown name in them; colours and line types hold none.
std::string lineEquations(std::string_view linestext) {
    std::string joined;
    std::size_t pos = 0;
    while (pos < linestext.size()) {
        std::size_t end = linestext.find_first_of("\r\n", pos);
        end = end == std::string_view::npos ? linestext.size() : end;
        const std::string equation = recordEquation(linestext.substr(pos, end - pos));
        if (!equation.empty()) {
            joined += (joined.empty() ? "(" : "+(") + equation + ")";
        }
        pos = end + 1;
    }
    return joined;
}

} // namespace

std::string checkslot(PlotState& state, Ui& ui, int k) {
    std::string t = termconv(state.slots[k].text, state.mode, ui);
    std::replace(t.begin(), t.end(), ':', '/');
    state.slots[k].engtext = t;
    if (t.empty()) {
        return {};
    }
    defslots(state, "1", "1", "1");
    ExprEngine& engine = state.engine;
    const int code = parseSlotText(state, t);
    std::string result;
    if (code != 0 && code != number(ErrorCode::UndefinedVariable)) {
        result = errtext(engine, -1);
    }
    engine.ucEval(std::nullopt);
    return result;
}

std::vector<std::string> checkSlotFunctions(PlotState& state) {
    std::vector<std::string> errors;
    std::array<bool, kSlotCount> broken{};
    for (int k = 0; k < kSlotCount; ++k) {
        if (state.slots[k].engtext.empty()) {
            continue;
        }
        const int code = parseSlotText(state, state.slots[k].engtext);
        if (isTextError(code)) {
            broken[k] = true;
            errors.push_back(slotName(state.mode, SlotText::Function, k) + ": " +
                             errtext(state.engine, -1));
        }
        state.engine.ucEval(std::nullopt);
    }
    // All are found before any is emptied, so a cycle reports every slot in it.
    for (int k = 0; k < kSlotCount; ++k) {
        if (broken[k]) {
            state.slots[k].engtext.clear();
            deffunc(state.engine, slotName(state.mode, SlotText::Function, k) + "=");
        }
    }
    return errors;
}

bool markIntegral(PlotState& state, Ui& ui, int k) {
    TermSlot& slot = state.slots[k];
    slot.integrand.clear();
    if (slot.engtext.starts_with(kIntegralCall)) {
        // The group from the call's own bracket on.
        slot.integrand = bracketgroup(slot.engtext, kIntegralCall.size(), ui);
    }
    return usesIntegralFunction(state, k);
}

std::string combinedText(const PlotState& state) {
    std::string lines = lineEquations(state.additional.linestext);
    if (!state.additional.pointstext.empty()) {
        lines += '-';
        lines += state.additional.pointstext;
    }
    if (!state.intervaltext.empty()) {
        lines += '-';
        lines += state.intervaltext;
    }
    return lines;
}

} // namespace vestrano
