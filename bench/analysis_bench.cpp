// Points of interest of three graphs over -10..10, as the points window recomputes them on
// every parameter move: `analysis` (the whole findPoints: scan, refinement, intersections)
// against `block` (parsing the three terms and evaluating each once through the block
// evaluator at the scan's 10 001 points, which the analysis does first). Goal: the analysis in
// under 2 ms. Paths: `Points/three/<analysis or block>`.

#include "ratio_table.h"

#include "analysis/points_of_interest.h"
#include "analysis/slot_graph.h"
#include "app/interpretall.h"
#include "plot/expr_pass.h"
#include "plot/scale.h"
#include "state/plot_state.h"
#include "support/scripted_ui.h"

#include <benchmark/benchmark.h>

#include <iomanip>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace vestrano::bench {
namespace {

constexpr const char* kAnalysis = "Points/three/analysis";
constexpr const char* kBlock = "Points/three/block";
constexpr double kTargetMs = 2;

std::unique_ptr<PlotState> threeGraphs() {
    auto state = std::make_unique<PlotState>();
    ScriptedUi ui;
    state->slots[0].text = "sin(a*x)*x";
    state->slots[1].text = "x^3/10-a*x";
    state->slots[2].text = "(x^2-1)/(x-2)";
    state->view.picw = 24000;
    state->view.pich = 15000;
    interpretall(*state, ui);
    state->view.xmin = -10;
    state->view.xmax = 10;
    setscale(*state);
    return state;
}

void countRuns(benchmark::State& bm) {
    bm.SetItemsProcessed(bm.iterations());
}

void runAnalysis(benchmark::State& bm) {
    const auto state = threeGraphs();
    PointsResult r;
    for (auto _ : bm) {
        r = findPoints(*state, -10, 10);
        benchmark::DoNotOptimize(r.points.data());
    }
    countRuns(bm);
    bm.counters["points"] = static_cast<double>(r.points.size());
    if (r.points.empty()) {
        bm.SkipWithError("no points found");
    }
}

void runBlock(benchmark::State& bm) {
    const auto state = threeGraphs();
    const std::vector<double> xs = scanGrid(-10, 10, kScanSteps);
    for (auto _ : bm) {
        ExprPass pass(state->engine);
        for (int k = 0; k < kSlotCount; ++k) {
            const SlotGraph graph(*state, pass.parse(state->slots[k].engtext));
            benchmark::DoNotOptimize(graph.sample(xs).data());
        }
    }
    countRuns(bm);
}

void printPointsTable(std::ostream& out, const ResultStore& store) {
    const auto ms = [&](const char* name) {
        const auto ns = store.nsPerItem(name);
        return ns ? std::optional<double>(*ns / 1e6) : std::nullopt;
    };
    const auto analysis = ms(kAnalysis);
    const auto block = ms(kBlock);
    out << "\nPoints of interest of three graphs: ms per run\n"
        << std::left << std::setw(10) << "case" << std::right << std::setw(10) << "analysis"
        << std::setw(10) << "block" << std::setw(16) << "analysis/block" << std::setw(20)
        << "target" << '\n'
        << std::left << std::setw(10) << "three" << std::right << std::setw(10)
        << formatNs(analysis) << std::setw(10) << formatNs(block) << std::setw(16)
        << (analysis && block ? formatNs(*analysis / *block) : "-") << std::setw(14) << "< "
        << kTargetMs << " ms" << (analysis ? (*analysis < kTargetMs ? " ok" : " MISSED") : "")
        << '\n';
}

} // namespace
} // namespace vestrano::bench

int main(int argc, char** argv) {
    using namespace vestrano::bench;
    benchmark::RegisterBenchmark(kAnalysis, runAnalysis)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(kBlock, runBlock)->Unit(benchmark::kMillisecond);
    return runAndPrintTables(argc, argv, printPointsTable);
}
