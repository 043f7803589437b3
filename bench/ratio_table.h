#pragma once

// Shared by the benchmark programs: runs the registered benchmarks, keeps the time per
// processed item of every benchmark and prints ratio tables against a baseline measured in
// the same run. The table goes to stdout after the console report and to stderr when the
// report itself is machine-readable, so `--benchmark_format=json` stays valid JSON.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iomanip>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace vestrano::bench {

// Nanoseconds per processed item (SetItemsProcessed) of each benchmark, by name, and the
// benchmarks that failed: stopped with an error or measured no item.
class ResultStore {
  public:
    void add(const benchmark::BenchmarkReporter::Run& run) {
        const std::string& name = run.run_name.function_name;
        if (run.error_occurred) {
            failures_[name] = run.error_message;
            return;
        }
        const auto rate = run.counters.find("items_per_second");
        if (rate == run.counters.end() || rate->second.value <= 0) {
            failures_.try_emplace(name, "no time per item measured");
            return;
        }
        const double ns = 1e9 / rate->second.value;
        // A median over repetitions wins over single repetitions; among those the fastest.
        if (run.run_type == benchmark::BenchmarkReporter::Run::RT_Aggregate) {
            if (run.aggregate_name == "median") {
                medians_[name] = ns;
            }
            return;
        }
        const auto old = fastest_.find(name);
        fastest_[name] = old == fastest_.end() ? ns : std::min(old->second, ns);
    }

    std::optional<double> nsPerItem(const std::string& name) const {
        if (const auto m = medians_.find(name); m != medians_.end()) {
            return m->second;
        }
        if (const auto f = fastest_.find(name); f != fastest_.end()) {
            return f->second;
        }
        return std::nullopt;
    }

    // Benchmark name and what went wrong.
    const std::map<std::string, std::string>& failures() const { return failures_; }

  private:
    std::map<std::string, std::string> failures_;
    std::map<std::string, double> medians_;
    std::map<std::string, double> fastest_;
};

template <class Reporter> class CollectingReporter : public Reporter {
  public:
    template <class... Args>
    explicit CollectingReporter(ResultStore& store, Args... args)
        : Reporter(args...), store_(store) {}

    void ReportRuns(const std::vector<benchmark::BenchmarkReporter::Run>& runs) override {
        for (const auto& run : runs) {
            store_.add(run);
        }
        Reporter::ReportRuns(runs);
    }

  private:
    ResultStore& store_;
};

// One ratio column: numerator path over denominator path, with the target it should meet
// for a given row.
struct RatioColumn {
    std::string numerator;
    std::string denominator;
    std::function<double(std::string_view row)> target;
};

// Benchmarks named `<group>/<row>/<path>`: a grid of ns per item, then the ratio columns.
struct RatioTable {
    std::string group;
    std::vector<std::string> rows;
    std::vector<std::string> paths;
    std::vector<RatioColumn> ratios;
};

inline std::string formatNs(std::optional<double> ns) {
    if (!ns) {
        return "-";
    }
    std::ostringstream text;
    text << std::fixed << std::setprecision(*ns < 10 ? 2 : 1) << *ns;
    return text.str();
}

inline std::string formatRatio(std::optional<double> num, std::optional<double> den,
                               double target) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(2);
    if (!num || !den) {
        text << "-    (<= " << target << ")";
        return text.str();
    }
    const double ratio = *num / *den;
    text << ratio << " (<= " << target << (ratio <= target ? " ok)" : " MISSED)");
    return text.str();
}

inline void printRatioTable(std::ostream& out, const ResultStore& store, const RatioTable& table) {
    constexpr int nameWidth = 12;
    constexpr int nsWidth = 10;
    constexpr int ratioWidth = 26;
    out << '\n'
        << table.group << ": ns per evaluation\n"
        << std::left << std::setw(nameWidth) << "formula" << std::right;
    for (const auto& path : table.paths) {
        out << std::setw(nsWidth) << path;
    }
    for (const auto& ratio : table.ratios) {
        out << std::setw(ratioWidth) << ratio.numerator + "/" + ratio.denominator;
    }
    out << '\n';
    for (const auto& row : table.rows) {
        const auto ns = [&](const std::string& path) {
            return store.nsPerItem(table.group + "/" + row + "/" + path);
        };
        out << std::left << std::setw(nameWidth) << row << std::right;
        for (const auto& path : table.paths) {
            out << std::setw(nsWidth) << formatNs(ns(path));
        }
        for (const auto& ratio : table.ratios) {
            out << std::setw(ratioWidth)
                << formatRatio(ns(ratio.numerator), ns(ratio.denominator), ratio.target(row));
        }
        out << '\n';
    }
}

// The last --benchmark_format given, else the environment's, else "console".
inline std::string requestedFormat(int argc, char** argv) {
    constexpr std::string_view flag = "--benchmark_format=";
    std::string format = "console";
    if (const char* env = std::getenv("BENCHMARK_FORMAT"); env && *env) {
        format = env;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with(flag)) {
            format = arg.substr(flag.size());
        }
    }
    return format;
}

// A benchmark that stopped with an error measured nothing: the run fails, so no script takes
// its table for a result.
inline int reportFailures(const ResultStore& store) {
    for (const auto& [name, message] : store.failures()) {
        std::cerr << "FAILED " << name << ": " << message << '\n';
    }
    return store.failures().empty() ? 0 : 1;
}

// Runs every registered benchmark with a reporter of the requested format that also keeps
// the results, then hands them to `printTables` on the stream that keeps the report valid.
inline int
runAndPrintTables(int argc, char** argv,
                  const std::function<void(std::ostream&, const ResultStore&)>& printTables) {
    const std::string format = requestedFormat(argc, argv);
    if (format != "console" && format != "json") {
        std::cerr << "Only --benchmark_format=console or json is supported here.\n";
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    ResultStore store;
    std::unique_ptr<benchmark::BenchmarkReporter> reporter;
    if (format == "json") {
        reporter = std::make_unique<CollectingReporter<benchmark::JSONReporter>>(store);
    } else {
        const auto options = isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_ColorTabular
                                                   : benchmark::ConsoleReporter::OO_Tabular;
        reporter = std::make_unique<CollectingReporter<benchmark::ConsoleReporter>>(store, options);
    }
    benchmark::RunSpecifiedBenchmarks(reporter.get());
    benchmark::Shutdown();
    printTables(format == "console" ? std::cout : std::cerr, store);
    return reportFailures(store);
}

} // namespace vestrano::bench
