#pragma once

// One fuzz round over the expression engine, shared by the libFuzzer target and the corpus
// replay test. The input is split into lines; every line but the last also defines a name,
// every line is parsed, sampled, block-evaluated and searched for parameters the way the
// program does it. Returns the first broken invariant, or "" when the engine held up.

#include "engine/errtext.h"
#include "engine/expr_engine.h"
#include "fuzz_text.h"
#include "state/plot_state.h"
#include "terms/engine_setup.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vestrano::fuzz {

constexpr int kMaxErrorCode = 32;
constexpr int kUndefinedVariable = 3;
constexpr size_t kMaxLines = 8;
// More names than the parameter table holds; enough to see the search terminate.
constexpr int kMaxParameterSearch = 40;
constexpr std::array<double, 8> kSampleXs{-2.5, -1.0, 0.0, 0.5, 1.0, 3.0, 1e6, -1e-9};

class EngineFuzzRound {
  public:
    explicit EngineFuzzRound(std::string_view input) : input_(input) {}

    std::string run() {
        setupEngine(state_);
        engine().ucSetVariableValueDbl(state_.handles.sw, 0.001);
        engine().ucSetTrigMode(1 + static_cast<int>(input_.size() % 3));
        const auto lines = splitLines();
        for (size_t i = 0; i < lines.size() && fault_.empty(); ++i) {
            if (i + 1 < lines.size()) {
                define(lines[i]);
            }
            checkExpression(lines[i]);
            searchParameters(lines[i]);
        }
        if (fault_.empty()) {
            checkReset(lines.empty() ? std::string_view{} : lines.back());
        }
        return fault_;
    }

  private:
    ExprEngine& engine() { return state_.engine; }

    void require(bool ok, std::string_view what, std::string_view text) {
        if (!ok && fault_.empty()) {
            fault_ = std::string(what) + " for " + quoted(text);
        }
    }

    std::vector<std::string_view> splitLines() const {
        std::vector<std::string_view> lines;
        std::string_view rest = input_;
        while (!rest.empty() && lines.size() < kMaxLines) {
            const size_t end = rest.find('\n');
            std::string_view line = rest.substr(0, end);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            lines.push_back(line);
            rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        }
        return lines;
    }

    // The current error must be a known code with a usable message.
    int checkError(std::string_view text) {
        const int code = engine().ucGetError();
        require(code >= 0 && code <= kMaxErrorCode, "error code out of range", text);
        const std::string data = engine().ucGetErrorData();
        const std::string message = errtext(engine(), -1);
        require(code < 2 || !message.empty(), "no message for the error", text);
        require(code != kUndefinedVariable || !data.empty(), "undefined variable without name",
                text);
        return code;
    }

    void clearError(std::string_view text) {
        engine().ucEval(std::nullopt);
        require(engine().ucGetError() == 0, "ucEval(null) leaves the error set", text);
    }

    // "name(args)=body" defines a function, "name=..." a variable, "new old" an alias.
    void define(std::string_view line) {
        const size_t eq = line.find('=');
        const size_t open = line.find('(');
        const size_t blank = line.find(' ');
        if (eq != std::string_view::npos && open < eq) {
            deffunc(engine(), line);
        } else if (eq != std::string_view::npos || blank == std::string_view::npos) {
            defvar(engine(), line);
        } else {
            engine().ucAlias(line.substr(0, blank), line.substr(blank + 1));
        }
        checkError(line);
        clearError(line);
    }

    void checkExpression(std::string_view text) {
        const int32_t expr = engine().ucParse(text);
        const int parseCode = checkError(text);
        if (parseCode != 0) {
            clearError(text);
            engine().ucEval(text);
            require(engine().ucGetError() == parseCode, "ucEval and ucParse disagree", text);
            clearError(text);
            engine().ucReleaseExpr(1);
            return;
        }
        require(!engine().dump(expr).empty(), "empty dump", text);
        checkSamples(expr, text);
        engine().ucReleaseExpr(1);
    }

    // Sampling as the drawing does it, the block path over the same points, and ucEval at
    // the last point must all agree.
    void checkSamples(int32_t expr, std::string_view text) {
        std::array<double, kSampleXs.size()> ys{};
        std::array<int, kSampleXs.size()> codes{};
        for (size_t i = 0; i < kSampleXs.size(); ++i) {
            engine().ucSetVariableValueDbl(state_.handles.modevar, kSampleXs[i]);
            ys[i] = engine().ucEvaluate(expr);
            codes[i] = checkError(text);
            if (codes[i] != 0) {
                clearError(text);
            }
        }
        std::array<double, kSampleXs.size()> out{};
        std::array<int, kSampleXs.size()> errs{};
        engine().ucEvaluateBlock(expr, state_.handles.modevar, kSampleXs, out, errs);
        require(engine().ucGetError() == 0, "error left set after a block", text);
        for (size_t i = 0; i < kSampleXs.size(); ++i) {
            require(errs[i] == codes[i], "block and sample codes differ", text);
            require(codes[i] != 0 || sameResult(out[i], ys[i]), "block and sample values differ",
                    text);
        }
        const double once = engine().ucEval(text);
        require(engine().ucGetError() == codes.back(), "ucEval and ucEvaluate codes differ", text);
        require(codes.back() != 0 || sameResult(once, ys.back()),
                "ucEval and ucEvaluate values differ", text);
        clearError(text);
    }

    static bool sameResult(double a, double b) {
        return a == b || (std::isnan(a) && std::isnan(b));
    }

    // The parameter search of the interpretation: each undefined name becomes a variable,
    // and the same name must never come back (the search would never end).
    void searchParameters(std::string_view text) {
        std::set<std::string> seen;
        for (int i = 0; i < kMaxParameterSearch && fault_.empty(); ++i) {
            engine().ucEval(text);
            const int code = engine().ucGetError();
            engine().ucReleaseExpr(3);
            if (code != kUndefinedVariable) {
                clearError(text);
                return;
            }
            std::string name = engine().ucGetErrorData();
            for (char& c : name) {
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
            require(seen.insert(name).second, "undefined name " + quoted(name) + " reported twice",
                    text);
            clearError(text);
            require(defvar(engine(), name) >= 0, "cannot define reported name " + quoted(name),
                    text);
            clearError(text);
        }
    }

    // A reset drops every definition; the engine stays usable afterwards.
    void checkReset(std::string_view last) {
        engine().ucReset();
        engine().ucEval("qq");
        require(engine().ucGetError() == kUndefinedVariable && engine().ucGetErrorData() == "qq",
                "variable survives ucReset", last);
        clearError(last);
        engine().ucParse(last);
        checkError(last);
        engine().ucReleaseExpr(1);
        clearError(last);
    }

    std::string_view input_;
    PlotState state_;
    std::string fault_;
};

inline std::string engineFuzzFault(std::string_view input) {
    return EngineFuzzRound(input).run();
}

} // namespace vestrano::fuzz
