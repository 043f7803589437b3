// The main window's side of the parameters: their windows, the list, the animation timer
// `Timer1` and the rows of the parameter menu.

#include "ui/main_window/mother.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include <functional>
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

std::vector<MenuRow> Mother::paramMenu() {
    PlotState& s = *state_;
    const auto frame = [this] { return paramFrame(*state_); };
    // The parameter windows and the list show what an item did.
    const auto item = [this](const char* name, const char* caption, std::function<void()> run) {
        return itemRow("mn_pmw", name, caption, [this, run = std::move(run)] {
            run();
            syncParams();
        });
    };
    const auto check = [&item](const char* name, const char* caption, std::function<void()> run,
                               std::function<bool()> checked) {
        MenuRow row = item(name, caption, std::move(run));
        row.checked = std::move(checked);
        return row;
    };
    return {
        menuRow(nullptr, "mn_pmw", "&Parameter"),
        check(
            "mn_spal", "Parameteraus&wahlliste anzeigen",
            [this, &s, frame] { toggleParamList(s, frame(), ctx_.hooks.nameWidth); },
            [&s] { return s.menu.spal; }),
        item("mn_para", "Alle &Parameter anzeigen",
             [this, &s, frame] {
                 const std::vector<int> order = showAllParameters(s, frame(), ctx_.hooks.nameWidth);
                 syncParams();
                 paras_->bringForward(order);
                 listBehind(paramList_->window(), *paras_, order);
             }),
        check(
            "mn_koppel", "Parameterkoppelung mit rechter &Maustaste und x-Koordinate",
            [&s] { toggleXCoupling(s); }, [&s] { return xCouplingChecked(s); }),
        check(
            "mn_koppely", "Parameterkoppelung mit &linker Maustaste und y-Koordinate",
            [&s] { toggleYCoupling(s); }, [&s] { return yCouplingChecked(s); }),
        check(
            "mn_pardock", "&Parameterfenster anordnen", [&s, frame] { toggleParDock(s, frame()); },
            [&s] { return s.menu.pardock; }),
        separatorRow("mn_pmw", "mn_s4"),
        item("mn_ugr", "&Untere Grenzen für Integralfunktionen anzeigen",
             [this] {
                 const std::vector<int> order = showLowerBounds(ctx_);
                 syncParams();
                 paras_->raiseInOrder(order);
             }),
        check(
            "mn_autoint", "automatische Erkennung von &Integralfunktionen",
            [this, &s] {
                if (toggleAutoInt(s)) {
                    findandget(ctx_, true);
                }
            },
            [&s] { return s.menu.autoint; }),
        separatorRow("mn_pmw", "mns44"),
        // Its caption follows the timers (timerGoCaption).
        item("mn_timergo", "Alle &Timer gleichzeitig starten", [this] { timerGo(ctx_); }),
    };
}

void Mother::syncParams() {
    paras_->sync();
    paramList_->sync();
    refreshMenu();
}

} // namespace vestrano
