// The program as a user meets it, offscreen: start-up to the first painted picture, Enter in a
// term line to the finished picture of three graphs at the default sample count, one animation
// tick with two running parameters (also with the Wertetabelle open and with the points of
// interest marked), and a move of a parameter's bar to the finished picture. Wall-clock time;
// each is put against a floor measured in the same run: for the start-up a bare main window with
// the same child windows shown and painted; for Enter the core's interpretation and redraw into
// a picture of the same size, without any window; for the tick and the bar the same core
// operations drawing into a picture without windows; the tick with the table or the marks is put
// against the tick without. On a 3840 x 2160 drawing area with three graphs at one sample per
// pixel: a step of a middle-button drag of the view and a notch of the wheel, each against the
// floor of the core redrawing the same graphs over a kept background into a picture without
// windows, as a parameter move does. Paths: `Gui/<case>/window` and `Gui/<case>/floor`, and
// `Gui/animation_tick/value_table_<rows>` and `Gui/animation_tick/marks`.

#include "ratio_table.h"

#include "app/interpretall.h"
#include "app/term_input.h"
#include "params/animation.h"
#include "params/param_arithmetic.h"
#include "plot/redraw.h"
#include "plot/resources.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "support/controls.h"
#include "support/scripted_ui.h"
#include "ui/analysis/wertetabelle.h"
#include "ui/canvas/qt_canvas.h"
#include "ui/main_window/mother.h"
#include "ui/plot/graphform.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

namespace vestrano::bench {
namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;
constexpr double kDefaultSamples = 500; // 499 intervals
// The tick with the points of interest marked against the tick without.
constexpr double kMarksTarget = 1.2;
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
    state.options.keepcounts = true;
    for (int i = 0; i < kSlotCount; ++i) {
        state.slots[i].text = kTerms[i];
    }
    mother->finishStartup();
    auto* line = findIn<QLineEdit>(findWindow(*mother, "termform"), "Text1_0");
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
    if (state.status.text != "Ok." || state.slots[2].anzx != kDefaultSamples - 1) {
        st.SkipWithError("the terms were not taken over as expected");
    }
}

// The same interpretation and picture through the core alone.
void benchEnterFloor(benchmark::State& st) {
    ScriptedUi dialogs;
    auto mother = startProgram(dialogs);
    const QSize size = findWindow<GraphForm>(*mother, "graphform").picture().size();
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

// Animation: three graphs of the two parameters a and b on a drawing area of 1600 x 1000 px.
constexpr QSize kArea(1600, 1000);
const std::array<std::string, 3> kAnimatedTerms{"sin(a*x)*x+b", "x^3/10-a*x", "wurzel(abs(x))*a-b"};
constexpr int kSlotA = 8;
// A table of a lesson, and the longest there may be.
constexpr std::array<int, 2> kTableRows{21, 100000};
constexpr int kSlotB = 9;

void takeAnimatedTerms(ProgramContext& ctx) {
    for (int i = 0; i < kSlotCount; ++i) {
        ctx.state.slots[i].text = kAnimatedTerms[i];
    }
    findandget(ctx, false);
    for (int s = 3; s <= 5; ++s) {
        double samples = kDefaultSamples;
        setpar(ctx, s, samples);
    }
    // Both run to and fro, a in steps of 0.01, b of 0.02.
    for (const auto& [s, step] : {std::pair{kSlotA, 0.01}, std::pair{kSlotB, 0.02}}) {
        ctx.state.params[s].parstep = step;
        ctx.state.params[s].parmode = 1;
    }
}

bool animatedAsExpected(const PlotState& state) {
    return state.status.text == "Ok." && state.slots[2].anzx == kDefaultSamples - 1 &&
           state.params[kSlotA].parname == "a" && state.params[kSlotB].parname == "b";
}

// The program with the graph window grown until its drawing area has the wanted size.
std::unique_ptr<Mother> startAnimated(ScriptedUi& dialogs) {
    auto mother = startProgram(dialogs);
    PlotState& state = mother->state();
    state.menu.dock = false; // the graph window keeps the size it is given
    state.options.keepcounts = true;
    mother->resize(kArea + QSize(800, 400));
    settle();
    const QSize picture = findIn<QWidget>(findWindow(*mother, "graphform"), "Picture1")->size();
    auto& graphWindow = findWindow<QMdiSubWindow>(*mother, "graphform_window");
    graphWindow.resize(graphWindow.size() + kArea - picture);
    settle();
    takeAnimatedTerms(mother->context());
    settle();
    return mother;
}

// Draws into a picture of the area's size through the core alone.
class PictureRedrawer : public Redrawer {
  public:
    PictureRedrawer(PlotState& state, Ui& ui, QSize area = kArea)
        : state_(state), ui_(ui), picture_(area, QImage::Format_RGB32) {
        state.view.picw = area.width() * 15.0;
        state.view.pich = area.height() * 15.0;
        fosize(state, canvas_);
        makepens(state, kSlotPens);
    }
    void redraw() override {
        vestrano::redraw(state_, canvas_, ui_);
        canvas_.flush();
    }
    // A floor that draws nothing would flatter the windows.
    bool drewGraphs() const {
        for (int y = 0; y < picture_.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(picture_.constScanLine(y));
            for (int x = 0; x < picture_.width(); ++x) {
                if (qBlue(row[x]) > qRed(row[x]) + 50 && qBlue(row[x]) > qGreen(row[x]) + 50) {
                    return true;
                }
            }
        }
        return false;
    }

  private:
    PlotState& state_;
    Ui& ui_;
    QImage picture_;
    QtCanvas canvas_{picture_};
};

// With `marks`, "Kurvenpunkte anzeigen" is on: every tick finds the points of interest again
// and rings them.
void runTicks(benchmark::State& st, bool marks) {
    ScriptedUi dialogs;
    auto mother = startAnimated(dialogs);
    if (marks) {
        findIn<QAction>(*mother, "mn_kurvenpunkte_anzeigen")->trigger();
    }
    timerGo(mother->context());
    // Only the ticks counted here run.
    QTimer* timer1 = findIn<QTimer>(*mother, "Timer1");
    timer1->blockSignals(true);
    const double start = mother->state().params[kSlotA].parvalue;
    for (auto _ : st) {
        mother->timer1Tick();
        settle();
    }
    st.SetItemsProcessed(st.iterations());
    if (!animatedAsExpected(mother->state()) || !timer1->isActive() ||
        mother->state().params[kSlotA].parvalue == start ||
        findIn<QWidget>(findWindow(*mother, "graphform"), "Picture1")->size() != kArea ||
        mother->state().curvePoints.found.points.empty() == marks) {
        st.SkipWithError("the animation did not run as expected");
    }
}

// The same tick with the window "Wertetabelle" open at `rows` rows of the three graphs.
void benchTickTable(benchmark::State& st, int rows) {
    ScriptedUi dialogs;
    auto mother = startAnimated(dialogs);
    auto* window = findIn<Wertetabelle>(*mother, "Wertetabelle");
    window->bringForward();
    findIn<QLineEdit>(*window, "von")->setText("0");
    findIn<QLineEdit>(*window, "bis")->setText(QString::number(rows - 1));
    findIn<QLineEdit>(*window, "Schrittweite")->setText("1");
    findIn<QPushButton>(*window, "Command1")->click();
    const QAbstractItemModel& table = *findIn<QTableView>(*window, "Table1")->model();
    const QVariant start = table.index(1, 1).data();
    timerGo(mother->context());
    findIn<QTimer>(*mother, "Timer1")->blockSignals(true);
    for (auto _ : st) {
        mother->timer1Tick();
        settle();
    }
    st.SetItemsProcessed(st.iterations());
    if (!animatedAsExpected(mother->state()) || table.rowCount() != rows ||
        table.columnCount() != 4 || table.index(1, 1).data() == start) {
        st.SkipWithError("the table did not follow the animation");
    }
}

void benchTick(benchmark::State& st) {
    runTicks(st, false);
}

void benchTickMarks(benchmark::State& st) {
    runTicks(st, true);
}

void benchTickFloor(benchmark::State& st) {
    ScriptedUi dialogs;
    auto state = std::make_unique<PlotState>();
    PictureRedrawer redrawer(*state, dialogs);
    ProgramContext ctx{*state, dialogs, {.redrawer = &redrawer}};
    takeAnimatedTerms(ctx);
    timerGo(ctx);
    for (auto _ : st) {
        tick(ctx);
    }
    st.SetItemsProcessed(st.iterations());
    if (!animatedAsExpected(*state) || !redrawer.drewGraphs()) {
        st.SkipWithError("the animation did not run as expected");
    }
}

void benchScroll(benchmark::State& st) {
    ScriptedUi dialogs;
    auto mother = startAnimated(dialogs);
    auto* bar = findIn<QScrollBar>(findWindow(*mother, ("para_" + std::to_string(kSlotA)).c_str()),
                                   "HScroll1");
    int pos = 0;
    for (auto _ : st) {
        pos = pos == 300 ? 700 : 300;
        bar->setValue(pos);
        settle();
    }
    st.SetItemsProcessed(st.iterations());
    if (!animatedAsExpected(mother->state()) ||
        mother->state().params[kSlotA].window.barpos != pos) {
        st.SkipWithError("the bar did not move the parameter");
    }
}

void benchScrollFloor(benchmark::State& st) {
    ScriptedUi dialogs;
    auto state = std::make_unique<PlotState>();
    PictureRedrawer redrawer(*state, dialogs);
    ProgramContext ctx{*state, dialogs, {.redrawer = &redrawer}};
    takeAnimatedTerms(ctx);
    int pos = 0;
    for (auto _ : st) {
        pos = pos == 300 ? 700 : 300;
        scrollPara(ctx, kSlotA, pos);
    }
    st.SetItemsProcessed(st.iterations());
    if (!animatedAsExpected(*state) || !redrawer.drewGraphs()) {
        st.SkipWithError("the bar did not move the parameter");
    }
}

// Dragging and the wheel: the three graphs at one sample per pixel on a 4K drawing area.
constexpr QSize kLargeArea(3840, 2160);

std::unique_ptr<Mother> startLarge(ScriptedUi& dialogs) {
    auto mother = startProgram(dialogs);
    PlotState& state = mother->state();
    state.menu.dock = false;
    mother->resize(kLargeArea + QSize(800, 400));
    settle();
    QWidget* picture = findIn<QWidget>(findWindow(*mother, "graphform"), "Picture1");
    auto& graphWindow = findWindow<QMdiSubWindow>(*mother, "graphform_window");
    graphWindow.resize(graphWindow.size() + kLargeArea - picture->size());
    settle();
    for (int i = 0; i < kSlotCount; ++i) {
        state.slots[i].text = kTerms[i];
    }
    findandget(mother->context(), false);
    settle();
    return mother;
}

bool largeAsExpected(Mother& mother) {
    const PlotState& state = mother.state();
    return state.status.text == "Ok." && state.slots[2].anzx == kLargeArea.width() - 1 &&
           findIn<QWidget>(findWindow(mother, "graphform"), "Picture1")->size() == kLargeArea;
}

void sendMouse(QWidget* picture, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
               QPoint at) {
    QMouseEvent e(type, QPointF(at), QPointF(picture->mapToGlobal(at)), button, held,
                  Qt::NoModifier);
    QApplication::sendEvent(picture, &e);
}

// One move of a drag that is under way, to the picture on screen.
void benchDragStep(benchmark::State& st) {
    ScriptedUi dialogs;
    auto mother = startLarge(dialogs);
    QWidget* picture = findIn<QWidget>(findWindow(*mother, "graphform"), "Picture1");
    const QPoint from(kLargeArea.width() / 2, kLargeArea.height() / 2);
    sendMouse(picture, QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, from);
    int step = 0;
    for (auto _ : st) {
        step = step == 8 ? -8 : 8;
        sendMouse(picture, QEvent::MouseMove, Qt::NoButton, Qt::MiddleButton,
                  from + QPoint(step, step / 2));
        settle();
    }
    st.SetItemsProcessed(st.iterations());
    const double xmin = mother->state().view.xmin;
    sendMouse(picture, QEvent::MouseMove, Qt::NoButton, Qt::MiddleButton, from);
    sendMouse(picture, QEvent::MouseButtonRelease, Qt::MiddleButton, Qt::NoButton, from);
    settle();
    if (!largeAsExpected(*mother) || xmin == -10 || mother->state().view.xmin != -10) {
        st.SkipWithError("the drag did not move the view");
    }
}

// One notch of the wheel, in and out by turns, to the picture on screen.
void benchWheelNotch(benchmark::State& st) {
    ScriptedUi dialogs;
    auto mother = startLarge(dialogs);
    QWidget* picture = findIn<QWidget>(findWindow(*mother, "graphform"), "Picture1");
    const QPointF at(kLargeArea.width() / 3.0, kLargeArea.height() / 3.0);
    int angle = -120;
    for (auto _ : st) {
        angle = -angle;
        QWheelEvent e(at, picture->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picture, &e);
        settle();
    }
    st.SetItemsProcessed(st.iterations());
    const double span = mother->state().view.xmax - mother->state().view.xmin;
    if (!largeAsExpected(*mother) || std::abs(span - (angle > 0 ? 20 / 1.5 : 20)) > 1e-9) {
        st.SkipWithError("the wheel did not zoom");
    }
}

// The same graphs redrawn by the core over the kept background of a 4K picture.
void benchLargeFloor(benchmark::State& st) {
    ScriptedUi dialogs;
    auto state = std::make_unique<PlotState>();
    PictureRedrawer redrawer(*state, dialogs, kLargeArea);
    for (int i = 0; i < kSlotCount; ++i) {
        state->slots[i].text = kTerms[i];
        state->slots[i].anzx = static_cast<int16_t>(kLargeArea.width() - 1);
    }
    interpretall(*state, dialogs);
    for (auto _ : st) {
        redrawer.redraw();
    }
    st.SetItemsProcessed(st.iterations());
    if (!redrawer.drewGraphs()) {
        st.SkipWithError("the floor drew no graphs");
    }
}

void registerGuiBenchmarks() {
    using Bench = void (*)(benchmark::State&);
    const std::pair<const char*, Bench> all[] = {
        {"Gui/startup/window", benchStartup},
        {"Gui/startup/floor", benchStartupFloor},
        {"Gui/enter_to_picture/window", benchEnter},
        {"Gui/enter_to_picture/floor", benchEnterFloor},
        {"Gui/animation_tick/window", benchTick},
        {"Gui/animation_tick/marks", benchTickMarks},
        {"Gui/animation_tick/floor", benchTickFloor},
        {"Gui/scroll_to_picture/window", benchScroll},
        {"Gui/scroll_to_picture/floor", benchScrollFloor},
        {"Gui/drag_step/floor", benchLargeFloor},
        {"Gui/wheel_notch/floor", benchLargeFloor},
        {"Gui/drag_step/window", benchDragStep},
        {"Gui/wheel_notch/window", benchWheelNotch},
    };
    for (const auto& [name, bench] : all) {
        benchmark::RegisterBenchmark(name, bench)->Unit(benchmark::kMillisecond)->UseRealTime();
    }
    for (const int rows : kTableRows) {
        benchmark::RegisterBenchmark(
            ("Gui/animation_tick/value_table_" + std::to_string(rows)).c_str(), benchTickTable,
            rows)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
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
    // A tick within 10 ms keeps the animation at 100 ticks per second or more.
    for (const Row& row :
         {Row{"startup", 500}, Row{"enter_to_picture", 16}, Row{"animation_tick", 10},
          Row{"scroll_to_picture", 8}, Row{"drag_step", 8}, Row{"wheel_notch", 8}}) {
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
    out << "animation_tick and scroll_to_picture: drawing area " << kArea.width() << " x "
        << kArea.height() << " px; drag_step and wheel_notch: " << kLargeArea.width() << " x "
        << kLargeArea.height() << " px, one sample per pixel";
    if (const auto tick = store.nsPerItem("Gui/animation_tick/window")) {
        out << "; " << formatNs(1e9 / *tick) << " ticks per second (target >= 100)";
    }
    out << '\n';
    const auto tick = store.nsPerItem("Gui/animation_tick/window");
    for (const int rows : kTableRows) {
        const auto withTable =
            store.nsPerItem("Gui/animation_tick/value_table_" + std::to_string(rows));
        if (tick && withTable) {
            out << "animation_tick with the value table open at " << rows
                << " rows: " << formatNs(*withTable / 1e6) << " ms, "
                << formatNs(*withTable / *tick) << " x the tick without\n";
        }
    }
    const auto& plain = tick;
    const auto marked = store.nsPerItem("Gui/animation_tick/marks");
    out << "\nanimation_tick with \"Kurvenpunkte anzeigen\": ms per tick\n"
        << std::setw(10) << "marks" << std::setw(10) << "without" << std::setw(16)
        << "marks/without" << std::setw(14) << "target\n"
        << std::setw(10) << (marked ? formatNs(*marked / 1e6) : "-") << std::setw(10)
        << (plain ? formatNs(*plain / 1e6) : "-") << std::setw(16)
        << (marked && plain ? formatNs(*marked / *plain) : "-") << std::setw(12) << "< "
        << kMarksTarget << "x"
        << (marked && plain ? (*marked / *plain < kMarksTarget ? " ok" : " MISSED") : "") << '\n';
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
