#pragma once

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/undo_history.h"
#include "state/busy_scope.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "ui/main_window/child_window_binding.h"
#include "ui/main_window/menu_table.h"
#include "ui/main_window/qt_dialogs.h"
#include "ui/main_window/window_ui.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QTimer;

namespace vestrano {

class Asymptoten;
class GraphForm;
class HelpKey;
class HelpWindow;
class MenuKeys;
class MiniCalc;
class InterForm;
class Kurvenpunkte;
class OptionsGraph;
class OptionsLinie;
class OptionsZoom;
class ParameterList;
class Sammlung;
class Punkte;
class ParaWindows;
class TermForm;
class Wertetabelle;

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

    // What `Timer1` runs on each tick: every running parameter moves a step.
    void timer1Tick();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenu();
    std::vector<MenuRow> fileMenu();
    std::vector<MenuRow> editMenu();
    std::vector<MenuRow> collectionMenu();
    std::vector<MenuRow> paramMenu();
    std::vector<MenuRow> settingsMenu();
    std::vector<MenuRow> windowMenu();
    std::vector<MenuRow> helpMenu();
    void showHelpFor(const QWidget* focus);
    void showAbout();
    void changed(Change what);
    void refreshMenu();
    void applyLayout();
    bool childWindowEvent(QObject* watched, QEvent* event);
    void clientResized();
    void bringForward(QMdiSubWindow& window, ChildWindow& child);
    void buildParamWindows();
    void syncParams();
    void showIntervalWindow();
    void buildOptionWindows();
    void refreshTitle();
    void refreshOptions();
    void showCollectionWindow();
    void showLines();
    void showPoints();
    void showCurvePoints();
    void showAnimationDialog();

    QtDialogs qtDialogs_;
    std::unique_ptr<PlotState> state_ = std::make_unique<PlotState>();
    WindowUi ui_;
    // Before the context, whose step hook reaches it.
    UndoHistory history_;
    ProgramContext ctx_;
    // Nothing is drawn from the start-up until the windows are shown.
    std::optional<BusyScope> starting_;
    // A Qt child, deleted early by the destructor so that the state outlives its windows; null
    // while they go.
    QMdiArea* mdi_ = nullptr;
    // The area owns the windows; these only reach them.
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
    Wertetabelle* valueTable_ = nullptr;
    Kurvenpunkte* curvePoints_ = nullptr;
    QTimer* timer1_ = nullptr;
    std::vector<MenuRow> menuRows_;
    std::vector<QAction*> menuActions_; // one per row
    QAction* timerGo_ = nullptr;
    HelpWindow* help_ = nullptr;
    std::unique_ptr<HelpKey> helpKey_;
    std::unique_ptr<MenuKeys> menuKeys_;
    bool quitDone_ = false;
};

} // namespace vestrano
