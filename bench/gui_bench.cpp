// The program as a user meets it, offscreen: start-up to the first painted picture, and Enter
// in a term line to the finished picture of three graphs at the default sample count.
// Wall-clock time; each is put against a floor measured in the same run: for the start-up a bare
// main window with the same child windows shown and painted; for Enter the core's interpretation
// and redraw into a picture of the same size, without any window. Paths: `Gui/<case>/window` and
// `Gui/<case>/floor`.

#include "ratio_table.h"

#include "app/plot_state.h"
#include "app/scripted_ui.h"
#include "params/param_arithmetic.h"
#include "plot/graphform.h"
#include "plot/qt_canvas.h"
#include "plot/redraw.h"
#include "plot/resources.h"
#include "terms/interpret.h"
#include "ui/mother.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include <cstdio>
#include <memory>
#include <string>

namespace vestrano::bench {
namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;
constexpr double kDefaultSamples = 500; // 499 intervals
const std::array<std::string, 3> kTerms{"sin(a*x)*x", "x^3/10-a*x", "wurzel(abs(x))*a"};

// Until everything queued, painting included, has run.
void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

std::unique_ptr<Mother> startProgram(ScriptedUi& dialogs) {
    auto mother = std::make_unique<Mother>(&dialogs);
    mother->resize(kWidth, kHeight);
    mother->show();
    QApplication::processEvents();
    mother->finishStartup();
    settle();
    return mother;
}

void benchStartup(benchmark::State& st) {
    for (auto _ : st) {
        ScriptedUi dialogs;
        auto mother = startProgram(dialogs);
        st.PauseTiming();
        mother.reset();
        settle();
        st.ResumeTiming();
    }
    st.SetItemsProcessed(st.iterations());
}

// A main window with a menu and two child windows, one of them showing a picture.
void benchStartupFloor(benchmark::State& st) {
    QImage picture(460, 600, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (auto _ : st) {
        auto window = std::make_unique<QMainWindow>();
        window->menuBar()->addMenu("&Datei")->addAction("&Schließen");
        auto* mdi = new QMdiArea(window.get());
        window->setCentralWidget(mdi);
        auto* label = new QLabel;
        label->setPixmap(QPixmap::fromImage(picture));
        mdi->addSubWindow(new QLineEdit)->show();
        mdi->addSubWindow(label)->show();
        window->resize(kWidth, kHeight);
        window->show();
        settle();
        st.PauseTiming();
        window.reset();
        settle();
        st.ResumeTiming();
    }
    st.SetItemsProcessed(st.iterations());
}

void pressEnter(QWidget* line) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(line, &press);
    QApplication::sendEvent(line, &release);
}

void benchEnter(benchmark::State& st) {
    ScriptedUi dialogs;
    auto mother = startProgram(dialogs);
    PlotState& state = mother->state();
    state.keepcounts = true;
    for (int i = 0; i < kSlotCount; ++i) {
        state.slots[i].text = kTerms[i];
    }
    mother->finishStartup();
    auto* line = mother->findChild<QLineEdit*>("Text1_0");
    pressEnter(line);
    for (int s = 3; s <= 5; ++s) {
        double samples = kDefaultSamples;
        setpar(mother->context(), s, samples);
    }
    settle();
    for (auto _ : st) {
        pressEnter(line);
        settle();
    }
    st.SetItemsProcessed(st.iterations());
    if (state.statusText != "Ok." || state.slots[2].anzx != kDefaultSamples - 1) {
        st.SkipWithError("the terms were not taken over as expected");
    }
}

// The same interpretation and picture through the core alone.
void benchEnterFloor(benchmark::State& st) {
    ScriptedUi dialogs;
    auto mother = startProgram(dialogs);
    const QSize size = mother->graph().picture().size();
    auto state = std::make_unique<PlotState>();
    QImage picture(size, QImage::Format_RGB32);
    QtCanvas canvas(picture);
    state->view.picw = size.width() * 15.0;
    state->view.pich = size.height() * 15.0;
    fosize(*state, canvas);
    makepens(*state, kSlotPens);
    for (int i = 0; i < kSlotCount; ++i) {
        state->slots[i].text = kTerms[i];
    }
    for (auto _ : st) {
        interpretall(*state, dialogs);
        redraw(*state, canvas, dialogs);
        canvas.flush();
    }
    st.SetItemsProcessed(st.iterations());
}

void registerGuiBenchmarks() {
    benchmark::RegisterBenchmark("Gui/startup/window", benchStartup)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Gui/startup/floor", benchStartupFloor)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Gui/enter_to_picture/window", benchEnter)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Gui/enter_to_picture/floor", benchEnterFloor)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

void printGuiTable(std::ostream& out, const ResultStore& store) {
    struct Row {
        const char* name;
        double targetMs;
    };
    out << "\nGui: ms per run, main window " << kWidth << " x " << kHeight << " px\n"
        << std::left << std::setw(20) << "case" << std::right << std::setw(10) << "window"
        << std::setw(9) << "floor" << std::setw(14) << "window/floor" << std::setw(22) << "target"
        << '\n';
    for (const Row& row : {Row{"startup", 500}, Row{"enter_to_picture", 16}}) {
        const auto ns = [&](const char* path) {
            return store.nsPerItem(std::string("Gui/") + row.name + "/" + path);
        };
        const auto window = ns("window");
        const auto floor = ns("floor");
        out << std::left << std::setw(20) << row.name << std::right << std::setw(10)
            << (window ? formatNs(*window / 1e6) : "-") << std::setw(9)
            << (floor ? formatNs(*floor / 1e6) : "-") << std::setw(14)
            << (window && floor ? formatNs(*window / *floor) : "-") << std::setw(14) << "< "
            << row.targetMs << " ms"
            << (window ? (*window / 1e6 < row.targetMs ? " ok" : " MISSED") : "") << '\n';
    }
}

} // namespace
} // namespace vestrano::bench

int main(int argc, char** argv) {
    using namespace vestrano::bench;
    // The offscreen platform warns about every window it shows.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (!text.contains("propagateSizeHints")) {
            fprintf(stderr, "%s\n", qPrintable(text));
        }
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    registerGuiBenchmarks();
    return runAndPrintTables(argc, argv, printGuiTable);
}
