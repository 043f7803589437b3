#include "params/para_windows_qt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <algorithm>

#include "app/ui.h"
#include "params/arrangement.h"
#include "params/para.h"
#include "params/param_context.h"
#include "params/param_table.h"
#include "params/timer_dialog_qt.h"
#include "params/tool_window_qt.h"
#include "ui/twips.h"

namespace vestrano {

ParaWindows::ParaWindows(ParamContext& ctx, QMdiArea& mdi, QWidget& dialogParent)
    : ctx_(ctx), mdi_(mdi) {
    dialog_ = new TimerDialogForm(ctx, &dialogParent);
    connect(&mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        const int s = slotOf(window);
        if (s >= 0 && !showing_) {
            activatepara(ctx_.state, s);
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

// Windows that appear do not take the focus: the user goes on typing where he was, and the
// active parameter stays the one he chose.
void ParaWindows::sync() {
    QMdiSubWindow* active = mdi_.activeSubWindow();
    const QPointer<QWidget> focus = QApplication::focusWidget();
    bool appeared = false;
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
        place(s);
        if (subs_[s]->isHidden() == w.visible) {
            subs_[s]->setVisible(w.visible);
            appeared = appeared || w.visible;
        }
    }
    if (appeared && mdi_.activeSubWindow() != active) {
        mdi_.setActiveSubWindow(active && active->isVisible() ? active : nullptr);
        if (focus) {
            focus->setFocus();
        }
    }
    showing_ = false;
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
    const ParaLayout layout = pararesize(ctx_.state, s, toTwips(window->width(), tpp));
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
    closepara(ctx_.state, s);
    // The list loses its check and a running timer may have stopped.
    ctx_.ui.changed(Change::Parameters);
    ctx_.ui.changed(Change::Menu);
}

void ParaWindows::bringForward(const std::vector<int>& order) {
    QMdiSubWindow* last = nullptr;
    for (const int s : order) {
        if (QMdiSubWindow* window = subs_[static_cast<std::size_t>(s)]) {
            window->show();
            window->raise();
            last = window;
        }
    }
    if (last) {
        mdi_.setActiveSubWindow(last);
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
