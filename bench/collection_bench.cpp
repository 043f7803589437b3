// Reading and writing a collection of 2 000 entries (about 2 MB) as the program does: the
// whole file read and decoded, then its section parsed; the section rebuilt and the file
// replaced atomically. Goal: under 50 ms each. The baselines only read or atomically write the
// same bytes, so the difference is what the format costs.

#include "collection/collection_file.h"
#include "collection/file_encoding.h"
#include "settings/text_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vestrano::bench {
namespace {

constexpr const char* kSection = "Funktionenplotter";

std::vector<CollectionEntry> bigCollection() {
    std::vector<CollectionEntry> entries(2000);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        auto& f = entries[i].fields;
        const std::string n = std::to_string(i);
        f[EntryField::Title] = "Schar von Parabeln Nr. " + n;
        f[EntryField::LongText] = "Verschiebung und Streckung einer Normalparabel, Übung " + n +
                                  "\r\n\r\n" + std::string(700, 'a') +
                                  "\r\nÄnderungen über die Parameter.";
        f[EntryField::Terms] =
            "f(x)=a*(x-b)^2+c\r\ng(x)=f'(x) (aus)\r\nh(x)=integral(f(t);0;x)\r\n$f2$$h3$";
        f[EntryField::Params] = "a=1.5 (z 0.1)\r\nb=-2\r\nc=0.25\r\nanzf=499";
        f[EntryField::Bounds] = "a[-5;5]\r\nb[-10;10]\r\nc[-10;10]\r\nanzf[1;19999]";
        f[EntryField::Intervals] = "x[-10;10]\r\ny[-10;10]\r\nDf[-5;5]";
        f[EntryField::Lowers] = "uh=0";
        f[EntryField::Lines] = "y=2*x+1\r\nx=3";
        f[EntryField::Points] = "P(1|2)\r\nQ(-1|0,5)";
        entries[i].isProtected = i % 7 == 0;
    }
    return entries;
}

std::string benchFile() {
    return (std::filesystem::temp_directory_path() / "vestrano-collection-bench.txt").string();
}

void BM_ReadCollection(benchmark::State& state) {
    const std::string file = benchFile();
    if (!writeEntries(file, kSection, bigCollection()).empty()) {
        state.SkipWithError("cannot write the collection");
        return;
    }
    std::vector<CollectionEntry> entries;
    for (auto _ : state) {
        const std::string text = decodeFileText(readWholeFile(file).value_or(""));
        benchmark::DoNotOptimize(readEntries(text, 0, kSection, entries));
    }
    state.counters["entries"] = static_cast<double>(entries.size());
    state.counters["bytes"] = static_cast<double>(readWholeFile(file).value_or("").size());
}
BENCHMARK(BM_ReadCollection)->Unit(benchmark::kMillisecond);

void BM_WriteCollection(benchmark::State& state) {
    const std::string file = benchFile();
    const std::vector<CollectionEntry> entries = bigCollection();
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeEntries(file, kSection, entries));
    }
}
BENCHMARK(BM_WriteCollection)->Unit(benchmark::kMillisecond);

void BM_ReadBytesOnly(benchmark::State& state) {
    const std::string file = benchFile();
    writeEntries(file, kSection, bigCollection());
    for (auto _ : state) {
        benchmark::DoNotOptimize(readWholeFile(file));
    }
}
BENCHMARK(BM_ReadBytesOnly)->Unit(benchmark::kMillisecond);

void BM_WriteBytesOnly(benchmark::State& state) {
    const std::string file = benchFile();
    writeEntries(file, kSection, bigCollection());
    const std::string bytes = readWholeFile(file).value_or("");
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeFileAtomically(file, bytes));
    }
}
BENCHMARK(BM_WriteBytesOnly)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vestrano::bench

BENCHMARK_MAIN();
