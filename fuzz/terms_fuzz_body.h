#pragma once

// One fuzz round over the term language, shared by the libFuzzer target and the corpus replay
// test. Input layout, one field per line: f, g, h, points text, interval text; everything after
// the fifth line break is the additional-lines text with its own line breaks. Every field goes
// through termconv in both modes; then interpretall runs twice on the same texts (the second
// time as a repeated Enter, which must change nothing), in function mode for inputs of even
// length and curve mode for odd ones, with automatic integral detection when the length modulo
// 4 is 2 or 3. Returns the first broken invariant, or "" when everything held.

#include "app/interpretall.h"
#include "engine/expr_engine.h"
#include "fuzz_text.h"
#include "state/plot_state.h"
#include "support/scripted_ui.h"
#include "terms/termconv.h"
#include "terms/text_replace.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

namespace vestrano::fuzz {

constexpr std::string_view kBracketMessage = "Fehlerhafte Klammersetzung!";
constexpr std::string_view kParamLimitMessage = "Fehler: mehr als 28 Parameter!";
constexpr int kLastSyntaxError = 13;
constexpr size_t kTermFields = 5; // f, g, h, points, interval

struct TermsInput {
    std::array<std::string, kSlotCount> terms;
    std::string points;
    std::string interval;
    std::string lines;
};

inline TermsInput splitTermsInput(std::string_view input) {
    std::array<std::string, kTermFields> fields;
    for (size_t i = 0; i < kTermFields && !input.empty(); ++i) {
        const size_t end = input.find('\n');
        std::string_view field = input.substr(0, end);
        if (!field.empty() && field.back() == '\r') {
            field.remove_suffix(1);
        }
        fields[i] = field;
        input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
    }
    return {{fields[0], fields[1], fields[2]}, fields[3], fields[4], std::string(input)};
}

// True when every "(" (after the bracket map) has its ")": then no conversion may complain.
inline bool everyBracketCloses(std::string_view text) {
    int pendingClose = 0;
    for (auto c = text.rbegin(); c != text.rend(); ++c) {
        if (*c == ')' || *c == ']' || *c == '}') {
            ++pendingClose;
        } else if (*c == '(' || *c == '[' || *c == '{') {
            if (pendingClose == 0) {
                return false;
            }
            --pendingClose;
        }
    }
    return true;
}

inline bool isLowerCase(std::string_view name) {
    for (const unsigned char c : name) {
        if (std::tolower(c) != c) {
            return false;
        }
    }
    return true;
}

class TermsFuzzRound {
  public:
    explicit TermsFuzzRound(std::string_view input)
        : input_(input), fields_(splitTermsInput(input)) {}

    std::string run() {
        for (const std::string& term : fields_.terms) {
            checkConversion(term);
        }
        checkConversion(fields_.points);
        checkConversion(fields_.interval);
        checkConversion(fields_.lines);
        if (fault_.empty()) {
            checkInterpretation(static_cast<int16_t>(input_.size() % 2));
        }
        return fault_;
    }

  private:
    void require(bool ok, std::string_view what) {
        if (!ok && fault_.empty()) {
            fault_ = std::string(what) + " for " + quoted(input_);
        }
    }

    std::string convert(std::string_view text, int mode) {
        ScriptedUi ui;
        std::string out = termconv(text, mode, ui);
        require(ui.messages.size() <= 1, "more than one message from one termconv");
        for (const auto& m : ui.messages) {
            require(m.text == kBracketMessage && m.title == "Vestrano",
                    "unexpected termconv message " + quoted(m.text));
        }
        require(ui.messages.empty() || !everyBracketCloses(text),
                "bracket message for balanced brackets in " + quoted(text));
        require(out.find('\'') == std::string::npos, "termconv output with \"'\": " + quoted(out));
        require(out.find_first_of("#~\"$`_[]{}") == std::string::npos,
                "termconv output keeps a character it removes or maps: " + quoted(out));
        return out;
    }

    // Without derivatives and fill the mode makes no difference.
    void checkConversion(std::string_view text) {
        const std::string functions = convert(text, 0);
        const std::string curves = convert(text, 1);
        if (text.find('\'') != std::string_view::npos ||
            functions.find("Sgn(Sin(dichte*") != std::string::npos) {
            return;
        }
        require(functions == curves, "termconv differs between the modes for " + quoted(text));
    }

    void fill(PlotState& state, int16_t mode) const {
        state.mode = mode;
        for (int k = 0; k < kSlotCount; ++k) {
            state.slots[k].text = fields_.terms[k];
        }
        state.additional.pointstext = fields_.points;
        state.intervaltext = fields_.interval;
        state.additional.linestext = fields_.lines;
        state.view.picw = 24000;
        state.view.pich = 15000;
        state.menu.autoint = input_.size() % 4 >= 2;
    }

    // The second run finds every parameter in the slot the first gave it.
    void checkInterpretation(int16_t mode) {
        PlotState state;
        fill(state, mode);
        const bool first = interpretOnce(state, 0, false);
        std::array<std::string, kParamCount> names;
        for (int s = 0; s < kParamCount; ++s) {
            names[s] = state.params[s].parname;
        }
        const std::string status = state.status.text;
        const bool second = interpretOnce(state, 1, true);
        require(first == second, "second interpretall answers differently");
        if (!first || !second) {
            return;
        }
        require(state.status.text == status, "status changes on the second run");
        for (int s = kFirstFreeParam; s < kParamCount; ++s) {
            require(state.params[s].parname == names[s], "parameter moves on the second run");
        }
    }

    bool interpretOnce(PlotState& state, int16_t busy, bool repeated) {
        ScriptedUi ui;
        state.busy = busy;
        const bool done = interpretall(state, ui);
        require(state.busy == busy, "busy not restored");
        require(!state.timerEnabled && state.timerlist.empty(), "animation left running");
        require((state.status.text == "Ok.") == (state.status.color == kButtonFaceColor),
                "status text and colour disagree: " + quoted(state.status.text));
        // A repeated run sees the same texts: its messages were shown already.
        if (repeated) {
            require(ui.messages.empty(), "a message comes again for the same texts");
        } else {
            checkMessages(ui, done);
        }
        checkParameterSlots(state);
        if (done) {
            checkParameterValues(state);
            checkEngineTexts(state);
        }
        return done;
    }

    // One bracket message per slot conversion at most; the limit message exactly on refusal.
    void checkMessages(const ScriptedUi& ui, bool done) {
        int brackets = 0;
        int limits = 0;
        for (const auto& m : ui.messages) {
            brackets += m.text == kBracketMessage ? 1 : 0;
            limits += m.text == kParamLimitMessage ? 1 : 0;
            require(m.text == kBracketMessage || m.text == kParamLimitMessage,
                    "unexpected message " + quoted(m.text));
        }
        require(brackets <= kSlotCount, "more bracket messages than slots");
        require(limits == (done ? 0 : 1), "parameter limit message and result disagree");
    }

    void checkParameterSlots(const PlotState& state) {
        std::set<std::string> names;
        std::set<int32_t> handles;
        for (int s = 0; s < kFirstFreeParam; ++s) {
            require(state.params[s].parhandle >= 0, "fixed parameter slot without handle");
        }
        for (int s = kFirstFreeParam; s < kParamCount; ++s) {
            const ParamEntry& p = state.params[s];
            if (p.parhandle < 0) {
                require(p.parhandle == -1 && p.parname.empty(), "unused slot not cleared");
                continue;
            }
            require(!p.parname.empty() && isLowerCase(p.parname),
                    "parameter name not lower case: " + quoted(p.parname));
            require(names.insert(p.parname).second, "parameter twice: " + quoted(p.parname));
            require(handles.insert(p.parhandle).second, "two parameters share a handle");
        }
    }

    // Each parameter's engine variable holds the value its window shows.
    void checkParameterValues(PlotState& state) {
        ExprEngine& engine = state.engine;
        for (int s = kFirstFreeParam; s < kParamCount; ++s) {
            const ParamEntry& p = state.params[s];
            if (p.parhandle < 0) {
                continue;
            }
            const double value = engine.ucEval(p.parname);
            require(engine.ucGetError() == 0 && value == p.parvalue,
                    "engine value differs from parameter " + quoted(p.parname));
            engine.ucEval(std::nullopt);
        }
    }

    // With every parameter defined, a slot's engine text is empty or free of syntax errors.
    void checkEngineTexts(PlotState& state) {
        ExprEngine& engine = state.engine;
        for (int k = 0; k < kSlotCount; ++k) {
            std::string probe = state.slots[k].engtext;
            if (probe.empty()) {
                continue;
            }
            replaceAll(probe, slotName(state.mode, SlotText::Integral),
                       slotName(state.mode, SlotText::Variable));
            engine.ucParse(probe);
            const int code = engine.ucGetError();
            engine.ucReleaseExpr(1);
            engine.ucEval(std::nullopt);
            require(code < 1 || code > kLastSyntaxError, "engine text with syntax error " +
                                                             std::to_string(code) + ": " +
                                                             quoted(state.slots[k].engtext));
        }
    }

    std::string_view input_;
    TermsInput fields_;
    std::string fault_;
};

inline std::string termsFuzzFault(std::string_view input) {
    return TermsFuzzRound(input).run();
}

} // namespace vestrano::fuzz
