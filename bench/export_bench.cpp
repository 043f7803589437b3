// An animated GIF of a parameter's run as the command line writes it: the entry loaded, 60
// frames of 800 x 600 drawn, put on their colour tables, compressed and the file replaced
// atomically. Goal: under 3 s. The baseline is 60 PNG exports of the same entry and size, so
// the ratio is what the GIF costs beyond drawing the pictures. Paths:
// `Export/<gif or png>`. Wall-clock time: a write waits for the disk.

#include "offscreen_main.h"
#include "ratio_table.h"

#include "app/command_line.h"
#include "settings/text_file.h"
#include "ui/plot/export_run.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iomanip>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

namespace vestrano::bench {
namespace {

constexpr int kFrames = 60;

std::string benchPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// The parabola a*x^2 with a from -2 to 2.
std::optional<ExportRequest> parabola(const char* picture) {
    const std::string collection = benchPath("vestrano-export-bench.txt");
    const Status written = writeFileAtomically(
        collection, "[Vestrano]\r\n\r\n[Funktionenplotter]\r\n{short:Parabel\r\n"
                    "f(x)=a*x^2\r\na=1\r\na[-2;2]\r\nx[-5;5]\r\ny[-10;10]}\r\n");
    if (!written.ok()) {
        return std::nullopt;
    }
    return ExportRequest{benchPath(picture), collection, "", 800, 600};
}

void animation(benchmark::State& state) {
    const auto request = parabola("vestrano-export-bench.gif");
    const AnimationRequest run{"a", "-2", "2", std::to_string(kFrames), "20", false};
    std::ostringstream errors;
    int status = 0;
    for (auto _ : state) {
        status = request ? exportAnimation(*request, run, errors) : 1;
    }
    state.SetItemsProcessed(state.iterations());
    if (status != 0) {
        state.SkipWithError(("the animation failed: " + errors.str()).c_str());
        return;
    }
    state.counters["bytes"] =
        static_cast<double>(readWholeFile(request->picture).value_or("").size());
}

void pngExports(benchmark::State& state) {
    const auto request = parabola("vestrano-export-bench.png");
    std::ostringstream errors;
    int status = 0;
    for (auto _ : state) {
        for (int i = 0; i < kFrames && status == 0; ++i) {
            status = request ? exportPicture(*request, errors) : 1;
        }
    }
    state.SetItemsProcessed(state.iterations());
    if (status != 0) {
        state.SkipWithError(("the export failed: " + errors.str()).c_str());
    }
}

void registerExportBenchmarks() {
    benchmark::RegisterBenchmark("Export/gif", animation)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Export/png", pngExports)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

void printExportTable(std::ostream& out, const ResultStore& store) {
    constexpr double kTargetMs = 3000;
    const auto ms = [&](const char* path) {
        const auto ns = store.nsPerItem(std::string("Export/") + path);
        return ns ? std::optional<double>(*ns / 1e6) : std::nullopt;
    };
    const auto gif = ms("gif");
    const auto png = ms("png");
    out << "\nAnimation of a*x^2, 60 frames of 800 x 600: ms per run\n"
        << std::left << std::setw(12) << "case" << std::right << std::setw(10) << "gif"
        << std::setw(10) << "60 png" << std::setw(10) << "gif/png" << std::setw(20) << "target"
        << '\n'
        << std::left << std::setw(12) << "animation" << std::right << std::setw(10) << formatNs(gif)
        << std::setw(10) << formatNs(png) << std::setw(10)
        << (gif && png ? formatNs(*gif / *png) : "-") << std::setw(14) << "< " << kTargetMs << " ms"
        << (gif ? (*gif < kTargetMs ? " ok" : " MISSED") : "") << '\n';
}

} // namespace
} // namespace vestrano::bench

int main(int argc, char** argv) {
    using namespace vestrano::bench;
    return runOffscreen(argc, argv, registerExportBenchmarks, printExportTable);
}
