// Drawing speed of a whole frame, against the floor Qt sets for the same picture: the captured
// background put back and the same points drawn with one plain QPainter::drawLines per pen.
// Cases at the graph window's usual size of 1600 x 1000: three function slots at 500, 1600 and
// 20000 intervals, and two curves at 1600; and three function slots at one sample per pixel
// on a 3840 x 2160 drawing area.
// Apart from the table: an integral function zoomed in so far from its lower bound that the
// redraw walks a hundred million steps to the view, in ms per redraw.
// Paths: `redraw` (background reused, as on every parameter move), `redrawall` (background
// rebuilt, as on every view change) and `floor`.

#include "offscreen_main.h"
#include "ratio_table.h"

#include "plot/recording_canvas.h"
#include "plot/redraw.h"
#include "render_scene.h"
#include "state/plot_state.h"
#include "support/scripted_ui.h"
#include "ui/canvas/qt_canvas.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPen>

#include <memory>
#include <string>
#include <vector>

namespace vestrano::bench {
namespace {

struct Case {
    const char* name;
    Scene scene;
    int width = 1600;
    int height = 1000;
};

Scene functions(int16_t intervals) {
    Scene s;
    s.terms = {"sin(a*x)*x", "x^3/10-a*x", "wurzel(abs(x))*a"};
    s.lineWidth = 2;
    s.intervals = intervals;
    return s;
}

Scene curves() {
    Scene s;
    s.mode = 1;
    s.terms = {"8*cos(t)", "8*sin(a*t)", "5*sin(2*t)"};
    s.lineWidth = 2;
    s.intervals = 1600;
    return s;
}

// integral(1) from 0, seen from 977 on through 1599 intervals of 1/102336: 99 982 080 steps
// before the first sample in view, just within what the plotter walks.
Case longIntegral() {
    Scene s;
    s.terms = {"integral(1)", "", ""};
    s.xmin = s.ymin = 977;
    s.xmax = s.ymax = 977.015625;
    s.intervals = 1599;
    return {"integralwalk", s};
}

// A drawing area with its plot set up and the background drawn once.
struct Frame {
    QImage picture;
    QtCanvas canvas{picture};
    ScriptedUi ui;
    std::unique_ptr<PlotState> state = std::make_unique<PlotState>();

    explicit Frame(const Case& c) : picture(c.width, c.height, QImage::Format_RGB32) {
        picture.fill(Qt::white);
        prepareScene(*state, c.scene, c.width, c.height, canvas, ui);
        draw();
    }
    void draw() {
        redraw(*state, canvas, ui);
        canvas.flush();
    }
};

// The graphs of one frame as plain Qt draws them: a pen and its segments, in order.
struct PenRun {
    QPen pen;
    std::vector<QLineF> lines;
};

QPen plainPen(const PenSpec& penSpec) {
    const QColor colour(penSpec.color & 0xff, (penSpec.color >> 8) & 0xff,
                        (penSpec.color >> 16) & 0xff);
    return QPen(colour, penSpec.width, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin);
}

std::vector<PenRun> recordGraphs(Frame& frame) {
    RecordingCanvas recorder;
    redraw(*frame.state, recorder, frame.ui);
    std::vector<PenRun> runs;
    QPointF at;
    for (const auto& e : recorder.events) {
        using Kind = RecordingCanvas::Kind;
        if (e.kind != Kind::MoveTo && e.kind != Kind::LineTo) {
            continue;
        }
        const QPointF p(e.points[0].x + 0.5, e.points[0].y + 0.5);
        if (e.kind == Kind::LineTo) {
            if (runs.empty() || runs.back().pen != plainPen(e.pen)) {
                runs.push_back({plainPen(e.pen), {}});
            }
            runs.back().lines.emplace_back(at, p);
        }
        at = p;
    }
    return runs;
}

// The picture of the frame with its slots hidden.
QImage backgroundOf(Frame& frame) {
    for (TermSlot& slot : frame.state->slots) {
        slot.visible = false;
    }
    frame.draw();
    for (TermSlot& slot : frame.state->slots) {
        slot.visible = true;
    }
    return frame.picture.copy();
}

void countFrames(benchmark::State& st) {
    st.SetItemsProcessed(st.iterations());
}

void benchRedraw(benchmark::State& st, const Case& c) {
    Frame frame(c);
    for (auto _ : st) {
        frame.draw();
    }
    countFrames(st);
}

void benchRedrawAll(benchmark::State& st, const Case& c) {
    Frame frame(c);
    for (auto _ : st) {
        redrawall(*frame.state, frame.canvas, frame.ui);
        frame.canvas.flush();
    }
    countFrames(st);
}

void benchFloor(benchmark::State& st, const Case& c) {
    Frame frame(c);
    const QImage background = backgroundOf(frame);
    const std::vector<PenRun> runs = recordGraphs(frame);
    QImage& picture = frame.picture;
    for (auto _ : st) {
        QPainter p(&picture);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, background);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setRenderHint(QPainter::Antialiasing);
        for (const PenRun& run : runs) {
            p.setPen(run.pen);
            p.drawLines(run.lines.data(), static_cast<int>(run.lines.size()));
        }
    }
    countFrames(st);
}

const std::vector<Case>& cases() {
    static const std::vector<Case> all{{"functions500", functions(500)},
                                       {"functions1600", functions(1600)},
                                       {"functions20000", functions(20000)},
                                       {"curves", curves()},
                                       {"functions4k", functions(3839), 3840, 2160}};
    return all;
}

void registerRenderBenchmarks() {
    for (const Case& c : cases()) {
        const std::string prefix = std::string("Render/") + c.name + "/";
        benchmark::RegisterBenchmark((prefix + "redraw").c_str(), benchRedraw, c)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((prefix + "redrawall").c_str(), benchRedrawAll, c)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((prefix + "floor").c_str(), benchFloor, c)
            ->Unit(benchmark::kMillisecond);
    }
    static const Case walk = longIntegral();
    benchmark::RegisterBenchmark("Render/integralwalk/redraw", benchRedraw, walk)
        ->Unit(benchmark::kMillisecond);
}

// One frame's redraw against the time an animation tick may take.
void printRedrawTarget(std::ostream& out, const ResultStore& store, const std::string& name,
                       const std::string& label) {
    constexpr double kRedrawTargetMs = 8;
    const auto ns = store.nsPerItem("Render/" + name + "/redraw");
    if (!ns) {
        return;
    }
    const double ms = *ns / 1e6;
    out << "redraw " << label << ": " << formatNs(ms) << " ms (target < " << kRedrawTargetMs
        << " ms" << (ms < kRedrawTargetMs ? ", ok)" : ", MISSED)") << '\n';
}

void printLongIntegral(std::ostream& out, const ResultStore& store) {
    const auto ns = store.nsPerItem("Render/integralwalk/redraw");
    if (!ns) {
        return;
    }
    out << "redraw of integral(1) walking 99 982 080 steps to the view: " << formatNs(*ns / 1e6)
        << " ms, " << formatNs(*ns / 99982080) << " ns per step\n";
}

void printRenderTable(std::ostream& out, const ResultStore& store) {
    constexpr double kRatioTarget = 1.3;
    out << "\nRender: ms per frame\n"
        << std::left << std::setw(16) << "case" << std::right << std::setw(11) << "px"
        << std::setw(10) << "redraw" << std::setw(11) << "redrawall" << std::setw(9) << "floor"
        << std::setw(26) << "redraw/floor" << '\n';
    for (const Case& c : cases()) {
        const auto ns = [&](const char* path) {
            return store.nsPerItem(std::string("Render/") + c.name + "/" + path);
        };
        const auto ms = [&](const char* path) {
            const auto v = ns(path);
            return v ? formatNs(*v / 1e6) : std::string("-");
        };
        const std::string size = std::to_string(c.width) + "x" + std::to_string(c.height);
        out << std::left << std::setw(16) << c.name << std::right << std::setw(11) << size
            << std::setw(10) << ms("redraw") << std::setw(11) << ms("redrawall") << std::setw(9)
            << ms("floor") << std::setw(26) << formatRatio(ns("redraw"), ns("floor"), kRatioTarget)
            << '\n';
    }
    printRedrawTarget(out, store, "functions1600", "at 1600 intervals");
    printRedrawTarget(out, store, "functions4k", "at 3840 x 2160, one sample per pixel");
    printLongIntegral(out, store);
}

} // namespace
} // namespace vestrano::bench

int main(int argc, char** argv) {
    using namespace vestrano::bench;
    return runOffscreen(argc, argv, registerRenderBenchmarks, printRenderTable);
}
