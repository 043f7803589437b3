// The main window's side of the parameters: their windows, the list, the animation timer
// `Timer1` and the parameter menu.

#include "ui/main_window/mother.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTimer>

#include <functional>
#include <map>
#include <string_view>
#include <vector>

#include "app/term_input.h"
#include "app/window_arrangement.h"
#include "params/animation.h"
#include "params/coupling.h"
#include "params/param_menu.h"
#include "ui/params/para_windows.h"
#include "ui/params/parameter_list_window.h"

namespace vestrano {

namespace {

bool isCheckItem(std::string_view name) {
    return name == "mn_spal" || name == "mn_koppel" || name == "mn_koppely" ||
           name == "mn_pardock" || name == "mn_autoint";
}

// The list comes forward too, right behind the parameter windows brought forward in `order`.
void listBehind(QMdiSubWindow& list, const ParaWindows& paras, const std::vector<int>& order) {
    if (order.empty()) {
        list.raise();
        return;
    }
    list.stackUnder(paras.window(order.front()));
}

} // namespace

void Mother::buildParamWindows() {
    paras_ =
        std::make_unique<ParaWindows>(ctx_, *mdi_, *this, [this] { return paramFrame(*state_); });
    paramList_ = new ParameterList(ctx_, *mdi_);
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    // As short as it gets: the redraw sets the pace of the animation.
    timer1_->setInterval(1);
    connect(timer1_, &QTimer::timeout, this, [this] { timer1Tick(); });
}

void Mother::timer1Tick() {
    tick(ctx_);
}

void Mother::buildParamMenu(QMenu* menu) {
    PlotState& s = *state_;
    const auto frame = [this] { return paramFrame(*state_); };
    const std::map<std::string_view, std::function<void()>> actions{
        {"mn_spal", [this, &s, frame] { toggleParamList(s, frame(), ctx_.hooks.nameWidth); }},
        {"mn_para",
         [this, &s, frame] {
             const std::vector<int> order = showAllParameters(s, frame(), ctx_.hooks.nameWidth);
             syncParams();
             paras_->bringForward(order);
             listBehind(paramList_->window(), *paras_, order);
         }},
        {"mn_koppel", [&s] { toggleXCoupling(s); }},
        {"mn_koppely", [&s] { toggleYCoupling(s); }},
        {"mn_pardock", [&s, frame] { toggleParDock(s, frame()); }},
        {"mn_ugr",
         [this] {
             const std::vector<int> order = showLowerBounds(ctx_);
             syncParams();
             paras_->raiseInOrder(order);
         }},
        {"mn_autoint",
         [this, &s] {
             if (toggleAutoInt(s)) {
                 findandget(ctx_, true);
             }
         }},
        {"mn_timergo", [this] { timerGo(ctx_); }},
    };
    for (std::size_t i = 1; i < kParamMenu.size(); ++i) {
        const ParamMenuItem& item = kParamMenu[i];
        const auto action = actions.find(item.name);
        if (action == actions.end()) {
            menu->addSeparator()->setObjectName(item.name);
            continue;
        }
        addItem(
            menu, item.name, item.caption,
            [this, run = action->second] {
                run();
                syncParams();
            },
            isCheckItem(item.name));
    }
}

void Mother::refreshParamMenu() {
    const PlotState& s = *state_;
    setCheck("mn_spal", s.menu.spal);
    setCheck("mn_koppel", xCouplingChecked(s));
    setCheck("mn_koppely", yCouplingChecked(s));
    setCheck("mn_pardock", s.menu.pardock);
    setCheck("mn_autoint", s.menu.autoint);
    // Checked on every tick: the menu is only touched when the caption changes.
    const QString caption = QString::fromUtf8(timerGoCaption(s));
    if (const auto found = actions_.find("mn_timergo");
        found != actions_.end() && found->second->text() != caption) {
        found->second->setText(caption);
    }
    // The timer runs exactly while the core says some parameter does.
    if (s.timerEnabled != timer1_->isActive()) {
        s.timerEnabled ? timer1_->start() : timer1_->stop();
    }
}

void Mother::syncParams() {
    paras_->sync();
    paramList_->sync();
    refreshParamMenu();
}

} // namespace vestrano
