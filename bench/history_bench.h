#pragma once

// History/record: one undo step kept, as a parameter move records it (the plot before and
// after, compared and pushed), over the term set of Interpret/full with its 21 parameters,
// lines and points. Printed in milliseconds against its target and as a share of one
// interpretall, the cheapest step that reads the terms anew.

#include "interpret_bench.h"
#include "ratio_table.h"

#include "app/interpretall.h"
#include "history/undo_history.h"
#include "lines/point_list.h"
#include "state/plot_state.h"
#include "support/scripted_ui.h"

#include <benchmark/benchmark.h>

#include <iomanip>
#include <ostream>
#include <sstream>
#include <string>

namespace vestrano::bench {

constexpr const char* kHistoryRecord = "History/record";
constexpr double kHistoryTargetMs = 0.1;

inline void runHistoryRecord(benchmark::State& bm) {
    PlotState state;
    ScriptedUi ui;
    fillFullTermSet(state);
    state.additional.modelines[0] = "y=m*x+n\r\nx=w";
    makeliste(state, "P(v1;v2):255:0:0\r\nQ(1;2):0:0:0", ui);
    if (!interpretall(state, ui)) {
        bm.SkipWithError("interpretall refused the term set");
        return;
    }
    UndoHistory history;
    double& value = state.params[kFirstFreeParam].parvalue;
    for (auto _ : bm) {
        history.begin(state, UserStep::ParamValue);
        value = value == 1 ? 2 : 1;
        history.end(state);
    }
    if (history.undoSteps() == 0) {
        bm.SkipWithError("no step kept");
        return;
    }
    bm.counters["snapshot_bytes"] = static_cast<double>(snapshotBytes(takeSnapshot(state)));
    bm.SetItemsProcessed(bm.iterations());
}

inline void registerHistoryBenchmark() {
    benchmark::RegisterBenchmark(kHistoryRecord, runHistoryRecord)->Unit(benchmark::kMicrosecond);
}

inline void printHistoryTable(std::ostream& out, const ResultStore& store) {
    const auto ns = store.nsPerItem(kHistoryRecord);
    const auto interpret = store.nsPerItem(kInterpretFull);
    std::ostringstream ms;
    std::ostringstream share;
    std::string verdict;
    if (ns) {
        ms << std::fixed << std::setprecision(4) << *ns / 1e6;
        verdict = *ns / 1e6 < kHistoryTargetMs ? " ok" : " MISSED";
    }
    if (ns && interpret) {
        share << std::fixed << std::setprecision(3) << *ns / *interpret;
    }
    out << "\nHistory: ms per step kept, and as a share of Interpret/full\n"
        << std::left << std::setw(12) << "step" << std::right << std::setw(10) << "ms"
        << std::setw(12) << "share" << std::setw(20) << "target" << '\n'
        << std::left << std::setw(12) << "record" << std::right << std::setw(10)
        << (ns ? ms.str() : "-") << std::setw(12) << (ns && interpret ? share.str() : "-")
        << std::setw(20) << "(< 0.10" + verdict + ")" << '\n';
}

} // namespace vestrano::bench
