#pragma once

// Interpret/full: one whole interpretall, as Enter in a term line runs it, over three terms,
// lines, points and intervals that use all 21 free parameter slots between them. There is no
// peer to compare with, so the table prints milliseconds against the target.

#include "ratio_table.h"

#include "app/interpretall.h"
#include "state/plot_state.h"
#include "support/scripted_ui.h"

#include <benchmark/benchmark.h>

#include <iomanip>
#include <ostream>
#include <sstream>
#include <string>

namespace vestrano::bench {

constexpr const char* kInterpretFull = "Interpret/full";
constexpr double kInterpretTargetMs = 1.0; // printed as "(< 1.00)"

// Parameters: f a b c d k, g m1 m2 m3 m4, h p q r s u, lines m n w, points v1 v2,
// intervals z1 z2: 21 names.
inline void fillFullTermSet(PlotState& state) {
    state.slots[0].text = "a*x^2+b*x+c+d*sin(k*x)";
    state.slots[1].text = "m1*x^3+m2*x^2+m3*x+m4+f'(x)";
    state.slots[2].text = "p*cos(q*x)+r*exp(-s*x^2)+u*g(x)";
    state.additional.linestext = "y=m*x+n\r\nx=w";
    state.additional.pointstext = "v1+v2";
    state.intervaltext = "(z1)-(z2)";
    state.view.picw = 24000;
    state.view.pich = 15000;
}

// Why the term set does not measure what it should, or "".
inline std::string fullTermSetFault(const PlotState& state) {
    if (state.status.text != "Ok.") {
        return "status: " + state.status.text;
    }
    for (int s = kFirstFreeParam; s < kParamCount; ++s) {
        if (state.params[s].parhandle < 0) {
            return "parameter slot " + std::to_string(s) + " unused";
        }
    }
    return {};
}

inline void runInterpretFull(benchmark::State& bm) {
    PlotState state;
    ScriptedUi ui;
    fillFullTermSet(state);
    // The first run creates the parameters; every timed run finds them in their slots.
    if (!interpretall(state, ui)) {
        bm.SkipWithError("interpretall refused the term set");
        return;
    }
    if (const std::string fault = fullTermSetFault(state); !fault.empty()) {
        bm.SkipWithError(fault.c_str());
        return;
    }
    for (auto _ : bm) {
        const bool done = interpretall(state, ui);
        benchmark::DoNotOptimize(done);
        ui.changes.clear();
    }
    bm.SetItemsProcessed(bm.iterations());
}

inline void registerInterpretBenchmark() {
    benchmark::RegisterBenchmark(kInterpretFull, runInterpretFull)->Unit(benchmark::kMillisecond);
}

inline void printInterpretTable(std::ostream& out, const ResultStore& store) {
    std::string ms = "-";
    std::string verdict;
    if (const auto ns = store.nsPerItem(kInterpretFull)) {
        std::ostringstream text;
        text << std::fixed << std::setprecision(3) << *ns / 1e6;
        ms = text.str();
        verdict = *ns / 1e6 < kInterpretTargetMs ? " ok" : " MISSED";
    }
    out << "\nInterpret: ms per run\n"
        << std::left << std::setw(12) << "run" << std::right << std::setw(10) << "ms"
        << std::setw(20) << "target" << '\n'
        << std::left << std::setw(12) << "full" << std::right << std::setw(10) << ms
        << std::setw(20) << "(< 1.00" + verdict + ")" << '\n';
}

} // namespace vestrano::bench
