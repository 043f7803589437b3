#pragma once

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "state/busy_scope.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "ui/main_window/child_window_binding.h"
#include "ui/main_window/qt_dialogs.h"
#include "ui/main_window/window_ui.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;

namespace vestrano {

class Asymptoten;
class GraphForm;
class HelpKey;
class HelpWindow;
class MenuKeys;
class MiniCalc;
class InterForm;
class OptionsGraph;
class OptionsLinie;
class OptionsZoom;
class ParameterList;
class Sammlung;
class Punkte;
class ParaWindows;
class TermForm;

// The main window: a frame for the child windows, the menu, and the owner of the plot state.
// Message boxes go to `dialogs` when given (tests answer them), else to Qt's. The working copy
// lives in `dataFolder`; without one nothing is read or written.
class Mother final : public QMainWindow {
  public:
    explicit Mother(Ui* dialogs = nullptr, const std::string& dataFolder = {});
    ~Mother() override;

    // The rest of the start-up, once the window is shown: the first picture is drawn.
    void finishStartup();
    // A collection named when the program was started; a message when it cannot be read.
    void openAtStart(const std::string& path);

    PlotState& state() { return *state_; }
    ProgramContext& context() { return ctx_; }
    GraphForm& graph() { return *graph_; }
    TermForm& terms() { return *term_; }
    QMdiSubWindow& graphWindow() { return *graphSub_; }
    QMdiSubWindow& termWindow() { return *termSub_; }
    ParaWindows& paraWindows() { return *paras_; }
    ParameterList& paramList() { return *paramList_; }
    // Null until the help is first asked for.
    HelpWindow* helpWindow() { return help_; }
    MiniCalc& calculator() { return *calc_; }
    InterForm& intervals() { return *inter_; }
    OptionsGraph& helpLineOptions() { return *optionsGraph_; }
    OptionsLinie& lineOptions() { return *optionsLinie_; }
    OptionsZoom& zoomOptions() { return *optionsZoom_; }
    Sammlung& collection() { return *sammlung_; }
    Asymptoten& lines() { return *lines_; }
    Punkte& points() { return *points_; }

    // What `Timer1` runs on each tick: every running parameter moves a step.
    void timer1Tick();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenu();
    void buildHelpMenu();
    void showHelpFor(const QWidget* focus);
    void showAbout();
    QMenu* addMenu(QMenu* parent, const char* name, const char* caption);
    QAction* addItem(QMenu* menu, const char* name, const char* caption,
                     std::function<void()> action, bool checkable = false);
    void changed(Change what);
    void refreshMenu();
    void applyLayout();
    bool childWindowEvent(QObject* watched, QEvent* event);
    void clientResized();
    void bringForward(QMdiSubWindow& window, ChildWindow& child);
    void setCheck(const char* name, bool checked);
    void buildParamWindows();
    void buildParamMenu(QMenu* menu);
    void refreshParamMenu();
    void syncParams();
    void showIntervalWindow();
    void buildOptionWindows();
    void refreshTitle();
    void refreshOptions();
    void buildCollectionMenu();
    void showCollectionWindow();
    void refreshCollectionMenu();
    void showLines();
    void showPoints();

    QtDialogs qtDialogs_;
    std::unique_ptr<PlotState> state_ = std::make_unique<PlotState>();
    WindowUi ui_;
    ProgramContext ctx_;
    // Nothing is drawn from the start-up until the windows are shown.
    std::optional<BusyScope> starting_;
    QMdiArea* mdi_ = nullptr;
    GraphForm* graph_ = nullptr;
    TermForm* term_ = nullptr;
    QMdiSubWindow* graphSub_ = nullptr;
    QMdiSubWindow* termSub_ = nullptr;
    std::optional<ChildWindowBinding> graphPlace_;
    std::optional<ChildWindowBinding> termPlace_;
    std::unique_ptr<ParaWindows> paras_;
    ParameterList* paramList_ = nullptr;
    MiniCalc* calc_ = nullptr;
    InterForm* inter_ = nullptr;
    OptionsGraph* optionsGraph_ = nullptr;
    OptionsLinie* optionsLinie_ = nullptr;
    OptionsZoom* optionsZoom_ = nullptr;
    Sammlung* sammlung_ = nullptr;
    Asymptoten* lines_ = nullptr;
    Punkte* points_ = nullptr;
    QTimer* timer1_ = nullptr;
    std::map<std::string, QAction*> actions_;
    HelpWindow* help_ = nullptr;
    std::unique_ptr<HelpKey> helpKey_;
    std::unique_ptr<MenuKeys> menuKeys_;
    bool quitDone_ = false;
};

} // namespace vestrano
