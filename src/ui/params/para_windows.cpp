#include "ui/params/para_windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <algorithm>
#include <utility>

#include "params/arrangement.h"
#include "params/param_table.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "ui/main_window/twips.h"
#include "ui/params/para.h"
#include "ui/params/timer_dialog_window.h"
#include "ui/params/tool_window.h"

namespace vestrano {

ParaWindows::ParaWindows(ProgramContext& ctx, QMdiArea& mdi, QWidget& dialogParent,
                         std::function<FrameGeometry()> frame)
    : ctx_(ctx), mdi_(mdi), frame_(std::move(frame)) {
    dialog_ = new TimerDialogForm(ctx, &dialogParent);
    connect(&mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        const int s = slotOf(window);
        if (s >= 0 && !showing_) {
            activateParamWindow(ctx_.state, s);
        }
    });
}

ParaWindows::~ParaWindows() {
    for (int s = 0; s < kParamCount; ++s) {
        if (subs_[s]) {
            subs_[s]->removeEventFilter(this);
            paras_[s]->detach();
        }
    }
}

// Windows that appear come to the front without taking the focus: the user goes on typing
// where he was, and the active parameter stays the one he chose.
void ParaWindows::sync() {
    const ActiveWindow before = activeWindow();
    std::vector<QMdiSubWindow*> appeared;
    showing_ = true;
    for (int s = 0; s < kParamCount; ++s) {
        const ParamWindow& w = ctx_.state.params[s].window;
        if (!w.loaded) {
            destroy(s);
            continue;
        }
        if (!subs_[s]) {
            create(s);
        }
        paras_[s]->render();
        fitCaption(s);
        place(s);
        if (subs_[s]->isHidden() == w.visible) {
            subs_[s]->setVisible(w.visible);
            if (w.visible) {
                appeared.push_back(subs_[s]);
            }
        }
    }
    if (!appeared.empty()) {
        giveBack(before);
    }
    for (QMdiSubWindow* window : appeared) {
        window->raise();
    }
    showing_ = false;
}

ParaWindows::ActiveWindow ParaWindows::activeWindow() const {
    ActiveWindow now{mdi_.activeSubWindow(), nullptr, QApplication::focusWidget()};
    const QList<QMdiSubWindow*> stack = mdi_.subWindowList(QMdiArea::StackingOrder);
    const qsizetype at = stack.indexOf(now.window);
    if (at >= 0 && at + 1 < stack.size()) {
        now.cover = stack[at + 1];
    }
    return now;
}

// Activating a window lifts it to the top: it goes back under the window that covered it.
void ParaWindows::giveBack(const ActiveWindow& before) {
    if (mdi_.activeSubWindow() == before.window) {
        return;
    }
    const bool shown = before.window && before.window->isVisible();
    mdi_.setActiveSubWindow(shown ? before.window.data() : nullptr);
    if (shown && before.cover) {
        before.window->stackUnder(before.cover);
    }
    if (before.focus) {
        before.focus->setFocus();
    }
}

void ParaWindows::create(int s) {
    auto* para = new Para(ctx_, s);
    para->onCascade = [this](const std::vector<int>& order) {
        sync();
        bringForward(order);
    };
    para->onTimerDialog = [this](int slot) { openTimerDialog(slot); };
    QMdiSubWindow* window = addToolWindow(mdi_, para);
    window->setObjectName("paraform_" + QString::number(s));
    const int tpp = twipsPerPixel(*window);
    window->setMinimumWidth(toPixels(kParaMinWidth, tpp));
    window->setFixedHeight(toPixels(kParaHeight, tpp));
    window->installEventFilter(this);
    subs_[s] = window;
    paras_[s] = para;
    if (isBoundSlot(s)) {
        fitCaption(s);
        placeBoundWindow(ctx_.state, frame_(), s, toTwips(window->minimumWidth(), tpp));
    }
}

// The captions of the lower-bound windows are long; their windows grow to show them whole,
// all three alike.
void ParaWindows::fitCaption(int s) {
    if (!isBoundSlot(s)) {
        return;
    }
    QMdiSubWindow* window = subs_[s];
    int least = toPixels(kParaMinWidth, twipsPerPixel(*window));
    for (int bound = 0; bound < kFirstCountParam; ++bound) {
        least = std::max(least, captionWidth(*window, qtText(paramName(ctx_.state, bound))));
    }
    if (window->minimumWidth() != least) {
        window->setMinimumWidth(least);
    }
}

// The window goes once its own events are over: closing runs inside them.
void ParaWindows::destroy(int s) {
    QMdiSubWindow* window = subs_[s];
    if (!window) {
        return;
    }
    paras_[s]->detach();
    subs_[s] = nullptr;
    paras_[s] = nullptr;
    window->removeEventFilter(this);
    window->hide();
    // Whoever looks for the slot's window by its name finds none from now on.
    window->setObjectName({});
    window->deleteLater();
}

void ParaWindows::place(int s) {
    QMdiSubWindow* window = subs_[s];
    const ParamWindow& w = ctx_.state.params[s].window;
    const QRect wanted = pixelRect({w.left, w.top, w.width, w.height}, twipsPerPixel(*window));
    if (window->geometry() == wanted) {
        return;
    }
    applying_ = true;
    window->setGeometry(wanted);
    applying_ = false;
}

void ParaWindows::resized(int s) {
    QMdiSubWindow* window = subs_[s];
    const int tpp = twipsPerPixel(*window);
    const ParaLayout layout = paraResize(ctx_.state, s, toTwips(window->width(), tpp));
    paras_[s]->placeControls(layout);
    const ParamWindow& w = ctx_.state.params[s].window;
    const QSize wanted(toPixels(w.width, tpp), toPixels(w.height, tpp));
    if (window->size() != wanted) {
        window->resize(wanted);
    }
    paras_[s]->render();
}

void ParaWindows::moved(int s) {
    if (applying_) {
        return;
    }
    const int tpp = twipsPerPixel(*subs_[s]);
    ParamWindow& w = ctx_.state.params[s].window;
    w.left = toTwips(subs_[s]->x(), tpp);
    w.top = toTwips(subs_[s]->y(), tpp);
}

void ParaWindows::closed(int s) {
    closeParamWindow(ctx_.state, s);
    // The list loses its check and a running timer may have stopped.
    ctx_.ui.changed(Change::Parameters);
    ctx_.ui.changed(Change::Menu);
}

// Activating a window may lift the one active before right under it, so the windows are
// raised only once the last of them is active.
void ParaWindows::bringForward(const std::vector<int>& order) {
    QMdiSubWindow* last = nullptr;
    for (const int s : order) {
        if (QMdiSubWindow* window = subs_[static_cast<std::size_t>(s)]) {
            window->show();
            last = window;
        }
    }
    if (!last) {
        return;
    }
    mdi_.setActiveSubWindow(last);
    raiseInOrder(order);
}

void ParaWindows::raiseInOrder(const std::vector<int>& order) {
    for (const int s : order) {
        if (QMdiSubWindow* window = subs_[static_cast<std::size_t>(s)]) {
            window->raise();
        }
    }
}

void ParaWindows::openTimerDialog(int s) {
    dialog_->run(s, *mdi_.viewport());
}

int ParaWindows::slotOf(const QObject* window) const {
    if (!window) {
        return -1;
    }
    const auto found = std::find(subs_.begin(), subs_.end(), window);
    return found == subs_.end() ? -1 : static_cast<int>(found - subs_.begin());
}

bool ParaWindows::eventFilter(QObject* watched, QEvent* event) {
    const int s = slotOf(watched);
    if (s < 0) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Move:
        moved(s);
        break;
    case QEvent::Resize:
        resized(s);
        break;
    case QEvent::Close:
        closed(s);
        break;
    default:
        break;
    }
    return false;
}

} // namespace vestrano
