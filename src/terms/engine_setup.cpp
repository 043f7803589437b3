#include "terms/engine_setup.h"

#include <array>

#include "engine/errtext.h"
#include "state/plot_state.h"

namespace vestrano {

namespace {

void setParamVariable(PlotState& state, int slot, const std::string& name, double value) {
    ParamEntry& p = state.params[slot];
    p.parhandle = defvar(state.engine, name);
    p.parvalue = value;
    state.engine.ucSetVariableValueDbl(p.parhandle, value);
}

void defineSlot(PlotState& state, int k, std::string_view body) {
    std::string definition = slotName(state.mode, SlotText::Function, k);
    definition += '=';
    definition += body;
    deffunc(state.engine, definition);
}

} // namespace

int32_t defvar(ExprEngine& engine, std::string_view definition, std::string_view value) {
    if (value.empty()) {
        return engine.ucDefineVariable(definition);
    }
    std::string text(definition);
    text += "$=";
    text += value;
    return engine.ucDefineVariable(text);
}

void deffunc(ExprEngine& engine, std::string_view definition, int callback) {
    engine.ucDefineFunctionDbl(definition, callback);
}

void definevars(PlotState& state) {
    ExprEngine& engine = state.engine;
    EngineHandles& h = state.handles;
    h.modevar = defvar(engine, slotName(state.mode, SlotText::Variable));
    h.qq = defvar(engine, "qq");
    h.sw = defvar(engine, "sw");
    h.xmu = defvar(engine, "xmu");
    h.xmi = defvar(engine, "xmi");
    h.ymu = defvar(engine, "ymu");
    h.ymi = defvar(engine, "ymi");

    static const std::array<const char*, kSlotCount> bounds{"uf", "ug", "uh"};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        setParamVariable(state, slot, bounds[slot], lowerBound(state, slot));
    }
    static const std::array<const char*, 5> counts{"f", "g", "h", "y1", "y2"};
    for (int s = kFirstCountParam; s <= kLastCountParam; ++s) {
        ParamEntry& p = state.params[s];
        p.parname = std::string("anz") + counts[s - kFirstCountParam];
        setParamVariable(state, s, p.parname, countValue(state, s));
        p.parmin = 2;
        p.parmax = 1002;
    }
}

void definecore(ExprEngine& engine) {
    defvar(engine, "pi=2*asin(1)");
    defvar(engine, "e=exp(1)");
    deffunc(engine, "log(m, n)=ln(m)/ln(n)");
    deffunc(engine, "exp(m, n)=exp2(m*log2(n))");
    deffunc(engine, "wurzel(m)=sqrt(m)");
    deffunc(engine, "integral(m)=0");
    static const std::array<std::array<const char*, 2>, 9> aliases{{
        {"nicht", "not"},
        {"wenn", "iif"},
        {"arcsin", "asin"},
        {"arccos", "acos"},
        {"arctan", "atan"},
        {"sinhyp", "sinh"},
        {"coshyp", "cosh"},
        {"tanhyp", "tanh"},
        {"betrag", "abs"},
    }};
    for (const auto& [alias, name] : aliases) {
        engine.ucAlias(alias, name);
    }
}

void defslots(PlotState& state, std::string_view a, std::string_view b, std::string_view c) {
    const std::array<std::string_view, 3> bodies{a, b, c};
    for (int k = 0; k < 3; ++k) {
        defineSlot(state, k, bodies[k]);
    }
}

std::string defslotsordered(PlotState& state, std::string_view a, std::string_view b,
                            std::string_view c) {
    const std::array<std::string_view, 3> bodies{a, b, c};
    std::array<bool, 3> pending{true, true, true};
    std::string errors;
    for (int pass = 1; pass <= 3; ++pass) {
        for (int k = 0; k < 3; ++k) {
            if (!pending[k]) {
                continue;
            }
            state.engine.ucEval(bodies[k]);
            const int code = state.engine.ucGetError();
            if (code != number(ErrorCode::UndefinedFunction)) {
                pending[k] = false;
                if (!bodies[k].empty()) {
                    defineSlot(state, k, bodies[k]);
                }
            } else if (pass == 3) {
                state.slots[k].engtext.clear();
                errors += errtext(state.engine, -1) + "; ";
            }
            state.engine.ucEval(std::nullopt);
        }
    }
    for (int k = 0; k < 3; ++k) {
        if (state.slots[k].engtext.empty()) {
            defineSlot(state, k, "");
        }
    }
    return errors;
}

void setupEngine(PlotState& state) {
    state.engine.ucReset();
    definevars(state);
    state.engine.ucSetVariableValueDbl(state.handles.modevar, 1.0);
    definecore(state.engine);
}

} // namespace vestrano
