// Reading and writing a collection of 2 000 entries (about 2 MB) as the program does: the
// whole file read and decoded, then its section parsed; the section rebuilt and the file
// replaced atomically. Goal: under 50 ms each. The baselines only read or atomically write the
// same bytes, so the difference is what the format costs. Paths:
// `Collection/<read or write>/<collection or bytes>`. Wall-clock time: a write waits for the disk.

#include "ratio_table.h"

#include "collection/collection_file.h"
#include "collection/file_encoding.h"
#include "settings/text_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iomanip>
#include <optional>
#include <ostream>
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

// Every run counts one read or write of the file, so the table gets its time.
void countRuns(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations());
}

void readCollection(benchmark::State& state) {
    const std::string file = benchFile();
    if (!writeEntries(file, kSection, bigCollection()).ok()) {
        state.SkipWithError("cannot write the collection");
        return;
    }
    std::vector<CollectionEntry> entries;
    for (auto _ : state) {
        const std::string text = decodeFileText(readWholeFile(file).value_or(""));
        benchmark::DoNotOptimize(readEntries(text, 0, kSection, entries));
    }
    countRuns(state);
    state.counters["entries"] = static_cast<double>(entries.size());
    state.counters["bytes"] = static_cast<double>(readWholeFile(file).value_or("").size());
    if (entries.size() != 2000) {
        state.SkipWithError("the collection was not read back whole");
    }
}

void writeCollection(benchmark::State& state) {
    const std::string file = benchFile();
    const std::vector<CollectionEntry> entries = bigCollection();
    Status failure;
    for (auto _ : state) {
        failure = writeEntries(file, kSection, entries);
    }
    countRuns(state);
    if (!failure.ok()) {
        state.SkipWithError(failure.reason().c_str());
    }
}

void readBytesOnly(benchmark::State& state) {
    const std::string file = benchFile();
    if (!writeEntries(file, kSection, bigCollection()).ok()) {
        state.SkipWithError("cannot write the collection");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(readWholeFile(file));
    }
    countRuns(state);
}

void writeBytesOnly(benchmark::State& state) {
    const std::string file = benchFile();
    if (!writeEntries(file, kSection, bigCollection()).ok()) {
        state.SkipWithError("cannot write the collection");
        return;
    }
    const std::string bytes = readWholeFile(file).value_or("");
    Status failure;
    for (auto _ : state) {
        failure = writeFileAtomically(file, bytes);
    }
    countRuns(state);
    if (!failure.ok()) {
        state.SkipWithError(failure.reason().c_str());
    }
}

void registerCollectionBenchmarks() {
    struct Case {
        const char* name;
        void (*run)(benchmark::State&);
    };
    for (const Case& c : {Case{"Collection/read/collection", readCollection},
                          Case{"Collection/read/bytes", readBytesOnly},
                          Case{"Collection/write/collection", writeCollection},
                          Case{"Collection/write/bytes", writeBytesOnly}}) {
        benchmark::RegisterBenchmark(c.name, c.run)->Unit(benchmark::kMillisecond)->UseRealTime();
    }
}

void printCollectionTable(std::ostream& out, const ResultStore& store) {
    constexpr double kTargetMs = 50;
    out << "\nCollection of 2 000 entries: ms per run\n"
        << std::left << std::setw(8) << "case" << std::right << std::setw(12) << "collection"
        << std::setw(8) << "bytes" << std::setw(20) << "target" << '\n';
    for (const char* row : {"read", "write"}) {
        const auto ms = [&](const char* path) {
            const auto ns = store.nsPerItem(std::string("Collection/") + row + "/" + path);
            return ns ? std::optional<double>(*ns / 1e6) : std::nullopt;
        };
        const auto collection = ms("collection");
        out << std::left << std::setw(8) << row << std::right << std::setw(12)
            << formatNs(collection) << std::setw(8) << formatNs(ms("bytes")) << std::setw(14)
            << "< " << kTargetMs << " ms"
            << (collection ? (*collection < kTargetMs ? " ok" : " MISSED") : "") << '\n';
    }
}

} // namespace
} // namespace vestrano::bench

int main(int argc, char** argv) {
    using namespace vestrano::bench;
    registerCollectionBenchmarks();
    return runAndPrintTables(argc, argv, printCollectionTable);
}
