#include "ui/main_window/mother.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include <filesystem>
#include <utility>

#include "app/curve_points_window.h"
#include "app/intervals.h"
#include "app/lines_window.h"
#include "app/menu_actions.h"
#include "app/points_window.h"
#include "app/startup.h"
#include "app/window_arrangement.h"
#include "collection/collection_file.h"
#include "ui/analysis/kurvenpunkte.h"
#include "ui/analysis/wertetabelle.h"
#include "ui/calculator/minicalc.h"
#include "ui/collection/sammlung.h"
#include "ui/help/help_key.h"
#include "ui/help/help_window.h"
#include "ui/lines/asymptoten.h"
#include "ui/lines/punkte.h"
#include "ui/main_window/interform.h"
#include "ui/main_window/menu_keys.h"
#include "ui/main_window/termform.h"
#include "ui/main_window/twips.h"
#include "ui/params/para_windows.h"
#include "ui/params/parameter_list_window.h"
#include "ui/params/tool_window.h"
#include "ui/plot/graphform.h"
#include "ui/settings/optionsgraph.h"
#include "ui/settings/optionslinie.h"
#include "ui/settings/optionszoom.h"

namespace vestrano {

namespace {

void limitSize(QMdiSubWindow& window, const TrackLimits& limits) {
    window.setMinimumSize(limits.minWidth, limits.minHeight);
    if (limits.maxHeight > 0) {
        window.setMaximumHeight(limits.maxHeight);
    }
}

} // namespace

Mother::Mother(Ui* dialogs, const std::string& dataFolder)
    : ui_(dialogs ? *dialogs : qtDialogs_, [this](Change what) { changed(what); }),
      ctx_{*state_, ui_} {
    setObjectName("mother");
    refreshTitle();
    qtDialogs_.setParent(this);
    qtDialogs_.setFiles(&state_->files);
    mdi_ = new QMdiArea(this);
    setCentralWidget(mdi_);
    mdi_->viewport()->installEventFilter(this);

    graph_ = new GraphForm(ctx_);
    term_ = new TermForm(ctx_);
    graphSub_ = mdi_->addSubWindow(graph_);
    termSub_ = mdi_->addSubWindow(term_);
    graphSub_->setObjectName("graphform_window");
    termSub_->setObjectName("termform_window");
    graphPlace_.emplace(*graphSub_, state_->layout.graph, ChildWindowBinding::Sizing::ByRecord);
    termPlace_.emplace(*termSub_, state_->layout.term, ChildWindowBinding::Sizing::ByRecord);
    const int tpp = twipsPerPixel(*this);
    limitSize(*termSub_, termLimits(tpp, tpp));
    limitSize(*graphSub_, graphLimits(tpp, tpp));
    for (QMdiSubWindow* window : {graphSub_, termSub_}) {
        // Closing hides: the terms and the picture live on and come back from the menu.
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->installEventFilter(this);
        window->hide();
    }
    buildParamWindows();
    calc_ = new MiniCalc(ctx_, *mdi_);
    inter_ = new InterForm(ctx_, *mdi_);
    buildOptionWindows();
    sammlung_ = new Sammlung(ctx_, *mdi_);
    lines_ = new Asymptoten(ctx_, *mdi_);
    points_ = new Punkte(ctx_, *mdi_);
    valueTable_ = new Wertetabelle(ctx_, *mdi_);
    curvePoints_ = new Kurvenpunkte(ctx_, *mdi_);
    buildMenu();
    helpKey_ = std::make_unique<HelpKey>([this](const QWidget* focus) { showHelpFor(focus); });
    menuKeys_ = std::make_unique<MenuKeys>(*menuBar());
    starting_.emplace(startup(
        ctx_,
        {.redrawer = graph_, .metrics = &graph_->canvas(), .nameWidth = paramList_->nameWidth()},
        dataFolder));
    refreshMenu();
}

// The windows draw and measure through the context and report to the state and to this window
// until they are gone: they go first, while all that is whole, and the core reaches none of
// them meanwhile.
Mother::~Mother() {
    // What was typed but not taken stays so, as when the user leaves the program: no box asks
    // him anything while the windows go.
    setFocus(Qt::ActiveWindowFocusReason);
    ctx_.hooks = {};
    // It lets go of the parameter windows before they go with the area.
    paras_.reset();
    delete std::exchange(mdi_, nullptr);
}

void Mother::finishStartup() {
    const int tpp = twipsPerPixel(*this);
    state_->layout.clientWidth = toTwips(mdi_->viewport()->width(), tpp);
    state_->layout.clientHeight = toTwips(mdi_->viewport()->height(), tpp);
    // Handed on once: a second call lays the windows out again with `busy` long given back.
    completeStartup(ctx_, graph_->canvas(), std::move(*starting_));
    // What the start-up did is no step of the user's.
    connectHistory(ctx_.hooks, history_);
    refreshMenu();
    // The first keys typed go into f(x), not to the graph's shortcuts.
    mdi_->setActiveSubWindow(termSub_);
    term_->focusLine(0);
}

void Mother::closeEvent(QCloseEvent* event) {
    if (!quitDone_) {
        quitDone_ = true;
        timer1_->stop();
        quit(ctx_);
    }
    event->accept();
}

bool Mother::eventFilter(QObject* watched, QEvent* event) {
    if (!mdi_) {
        return false; // the windows are going
    }
    if (watched == mdi_->viewport() && event->type() == QEvent::Resize) {
        clientResized();
        return false;
    }
    if (watched == termSub_ || watched == graphSub_) {
        return childWindowEvent(watched, event);
    }
    return false;
}

// Closing hides the term or graph window; a move or resize by the user goes to the state,
// and a new size of either moves the arranged parameter windows along.
bool Mother::childWindowEvent(QObject* watched, QEvent* event) {
    const bool term = watched == termSub_;
    ChildWindow& record = term ? state_->layout.term : state_->layout.graph;
    if (hideInsteadOfClosing(*static_cast<QWidget*>(watched), event)) {
        record.visible = false;
        return true;
    }
    const QEvent::Type type = event->type();
    if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::WindowStateChange) {
        return false;
    }
    // A drag reports the move first, and the new size is read with it.
    const TwipRect before = record;
    (term ? termPlace_ : graphPlace_)->readBack();
    if (paras_ && (record.width != before.width || record.height != before.height)) {
        childResized(ctx_);
    }
    return false;
}

void Mother::clientResized() {
    const int tpp = twipsPerPixel(*this);
    mainResized(ctx_, toTwips(mdi_->viewport()->width(), tpp),
                toTwips(mdi_->viewport()->height(), tpp), isMinimized());
}

void Mother::applyLayout() {
    termPlace_->place();
    graphPlace_->place();
}

void Mother::bringForward(QMdiSubWindow& window, ChildWindow& child) {
    child.visible = true;
    if (window.isMinimized()) {
        window.showNormal();
    }
    window.show();
    mdi_->setActiveSubWindow(&window);
    window.raise();
}

void Mother::showIntervalWindow() {
    showIntervals(ctx_);
    bringForward(inter_->window(), state_->intervals.frame);
}

void Mother::buildOptionWindows() {
    optionsGraph_ = new OptionsGraph(ctx_, *mdi_);
    optionsLinie_ = new OptionsLinie(ctx_, *mdi_);
    optionsZoom_ = new OptionsZoom(ctx_, *mdi_);
}

// The boxes and the slot colours, which the term window's buttons show as well.
void Mother::refreshOptions() {
    if (!optionsGraph_) {
        return;
    }
    optionsGraph_->refresh();
    optionsLinie_->refresh();
    optionsZoom_->refresh();
    term_->refreshTerms();
}

// The collection's file name, marked with "*" while the collection holds unsaved changes.
void Mother::refreshTitle() {
    const std::string& colfile = state_->files.colfile;
    QString title = "Vestrano - Graphen von Funktionen mit dynamischen Parametern";
    if (!colfile.empty()) {
        title = QString::fromStdString(std::filesystem::path(colfile).filename().string()) + " - " +
                title;
    }
    setWindowTitle(state_->files.colchanged ? "*" + title : title);
}

void Mother::openAtStart(const std::string& path) {
    if (openCollection(ctx_, path).ok()) {
        showCollectionWindow();
    }
}

void Mother::showLines() {
    showLinesWindow(ctx_);
    lines_->bringForward(*mdi_);
}

void Mother::showPoints() {
    showPointsWindow(ctx_);
    // Below the lines window, so that both can be seen.
    const QMdiSubWindow& lines = lines_->window();
    points_->bringForward(*mdi_, lines.isVisible() ? lines.geometry().bottom() + 1 : 0);
}

void Mother::showCurvePoints() {
    showCurvePointsWindow(ctx_);
    curvePoints_->bringForward(*mdi_);
}

void Mother::changed(Change what) {
    if (!mdi_) {
        return; // the windows are going
    }
    // The intervals window re-renders only what the program rewrote.
    if (inter_) {
        inter_->sync();
    }
    switch (what) {
    case Change::Terms:
        term_->refreshTerms();
        graph_->refreshCaption();
        return;
    case Change::Status:
        term_->refreshStatus();
        return;
    case Change::Picture:
        graph_->showPicture();
        // Every change of a graph's values is drawn.
        if (valueTable_) {
            valueTable_->follow();
        }
        return;
    case Change::Menu:
        refreshMenu();
        graph_->refreshCaption();
        return;
    case Change::Layout:
        applyLayout();
        syncParams();
        sammlung_->sync();
        return;
    case Change::Parameters:
        syncParams();
        return;
    case Change::Calculator:
        calc_->refresh();
        return;
    case Change::Lines:
        if (lines_) {
            lines_->sync();
        }
        return;
    case Change::Points:
        if (points_) {
            points_->sync();
        }
        return;
    case Change::CurvePoints:
        if (curvePoints_) {
            curvePoints_->sync();
        }
        return;
    case Change::Collection:
        if (sammlung_) {
            sammlung_->sync();
        }
        refreshTitle();
        return;
    case Change::Options:
        refreshOptions();
        // The lines window shows the default line type and colour.
        if (lines_) {
            lines_->sync();
        }
        return;
    }
}

} // namespace vestrano
