#pragma once

#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <vector>

#include "params/arrangement.h"
#include "state/plot_state.h"

class QMdiArea;

namespace vestrano {

struct ProgramContext;
class Para;
class TimerDialogForm;

// The 29 parameter windows as children of the main window: a window exists while its slot's
// window is loaded, is destroyed when the user closes it and comes back on next use. Moves,
// sizes, activation and closing go to the core; the core's state comes back through sync.
class ParaWindows final : public QObject {
  public:
    // The timer dialog opens over `dialogParent`; `frame` tells where the windows may go.
    ParaWindows(ProgramContext& ctx, QMdiArea& mdi, QWidget& dialogParent,
                std::function<FrameGeometry()> frame);
    ~ParaWindows() override;

    // Creates, destroys, renders, places, shows and hides the windows as the state says.
    void sync();
    // Brings the windows forward in this order; the last one becomes the active window.
    void bringForward(const std::vector<int>& order);
    // Raises the windows in this order, the last frontmost; the active window stays.
    void raiseInOrder(const std::vector<int>& order);

    Para* para(int s) const { return paras_[static_cast<std::size_t>(s)]; }
    QMdiSubWindow* window(int s) const { return subs_[static_cast<std::size_t>(s)]; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The active window, the one just above it and the focus, to be given back after
    // windows appeared.
    struct ActiveWindow {
        QPointer<QMdiSubWindow> window;
        QPointer<QMdiSubWindow> cover;
        QPointer<QWidget> focus;
    };
    ActiveWindow activeWindow() const;
    void giveBack(const ActiveWindow& before);

    void create(int s);
    void fitCaption(int s);
    void destroy(int s);
    void place(int s);
    void resized(int s);
    void moved(int s);
    void closed(int s);
    void openTimerDialog(int s);
    int slotOf(const QObject* window) const;

    ProgramContext& ctx_;
    QMdiArea& mdi_;
    std::function<FrameGeometry()> frame_;
    TimerDialogForm* dialog_ = nullptr;
    std::array<QMdiSubWindow*, kParamCount> subs_{};
    std::array<Para*, kParamCount> paras_{};
    bool applying_ = false; // the state's geometry is being put on a window
    bool showing_ = false;  // windows are being shown; Qt's activating them is not the user's
};

} // namespace vestrano
