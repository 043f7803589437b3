// A benchmark that stops with an error, or measures no time per item, makes the whole run
// fail, so that no script takes its table for a result; the others keep their figures.

#include "ratio_table.h"

#include <benchmark/benchmark.h>

#include <iostream>

namespace {

void stopsWithAnError(benchmark::State& st) {
    for (auto _ : st) {
    }
    st.SkipWithError("the picture was not drawn");
}

void countsNothing(benchmark::State& st) {
    for (auto _ : st) {
    }
}

void measures(benchmark::State& st) {
    for (auto _ : st) {
    }
    st.SetItemsProcessed(st.iterations());
}

} // namespace

int main(int argc, char** argv) {
    using namespace vestrano::bench;
    benchmark::RegisterBenchmark("Check/error", stopsWithAnError);
    benchmark::RegisterBenchmark("Check/nothing", countsNothing);
    benchmark::RegisterBenchmark("Check/fine", measures);
    ResultStore seen;
    const int status = runAndPrintTables(
        argc, argv, [&](std::ostream&, const ResultStore& store) { seen = store; });
    const bool asExpected = status != 0 && seen.nsPerItem("Check/fine").has_value();
    std::cout << (asExpected ? "the failed benchmarks failed the run\n"
                             : "a failed benchmark went unnoticed\n");
    return asExpected ? 0 : 1;
}
