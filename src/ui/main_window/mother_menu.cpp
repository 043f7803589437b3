// The main window's menu: built in the menu's order, each item calling the core.

#include "ui/main_window/mother.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>

#include <array>
#include <functional>

#include "app/lines_window.h"
#include "app/menu_actions.h"
#include "app/mode_switch.h"
#include "app/points_window.h"
#include "app/settings_menu.h"
#include "app/term_input.h"
#include "collection/collection_file.h"
#include "collection/entry_editing.h"
#include "params/param_menu.h"
#include "plot/einszueins.h"
#include "settings/option_dialogs.h"
#include "ui/analysis/wertetabelle.h"
#include "ui/calculator/minicalc.h"
#include "ui/collection/sammlung.h"
#include "ui/help/about_box.h"
#include "ui/help/help_window.h"
#include "ui/plot/graph_menu.h"
#include "ui/settings/optionsgraph.h"
#include "ui/settings/optionslinie.h"
#include "ui/settings/optionszoom.h"

namespace vestrano {

QMenu* Mother::addMenu(QMenu* parent, const char* name, const char* caption) {
    QMenu* menu = parent ? parent->addMenu(QString::fromUtf8(caption))
                         : menuBar()->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(QString(name) + "_action");
    return menu;
}

QAction* Mother::addItem(QMenu* menu, const char* name, const char* caption,
                         std::function<void()> action, bool checkable) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(name);
    item->setCheckable(checkable);
    connect(item, &QAction::triggered, this, [this, action = std::move(action)] {
        action();
        // A checkable item shows the state's flag, not Qt's own toggling.
        refreshMenu();
    });
    actions_[name] = item;
    return item;
}

void Mother::buildMenu() {
    QMenu* file = addMenu(nullptr, "mn_file", "&Datei");
    addItem(file, "mn_open", "&Öffnen", [this] { colopen(ctx_); });
    // A failed save is told where it happens; the menu has nothing to add.
    addItem(file, "mn_save", "&Speichern", [this] { ignoreResult(colsave(ctx_, true)); });
    addItem(file, "mn_saveas", "Speichern &unter...",
            [this] { ignoreResult(colsave(ctx_, false)); });
    file->addSeparator()->setObjectName("mn_sep");
    addItem(
        file, "mn_fplot", "&Funktionenplotter", [this] { chooseMode(ctx_, 0); }, true);
    addItem(
        file, "mn_kplot", "&Kurvenplotter", [this] { chooseMode(ctx_, 1); }, true);
    file->addSeparator()->setObjectName("mn_s2");
    addItem(file, "mn_saveopt", "&Einstellungen speichern", [this] { saveSettingsMenu(ctx_); });
    addItem(file, "mn_optdef", "&Voreinstellungen aktivieren",
            [this] { restoreDefaultsMenu(ctx_); });
    file->addSeparator()->setObjectName("mn_s3");
    addItem(file, "mn_close", "&S&chließen", [this] { close(); });

    QMenu* edit = addMenu(nullptr, "mn_edit", "&Bearbeiten");
    addItem(edit, "mn_copytoclip", "Graphik als Bitmap in Zwischenablage &kopieren",
            [this] { copybitmap(*graph_); });
    addItem(edit, "mn_emf", "Graphik im &EMF-Format in Zwischenablage kopieren",
            [this] { copyvector(ctx_, *graph_); });
    addItem(edit, "mn_savegraph", "Graphik speichern unter...",
            [this] { savegraph(ctx_, *graph_); });
    addItem(edit, "mn_copytermo", "&Terme in Zwischenablage kopieren",
            [this] { paracopy(*state_, ui_, false); });
    addItem(edit, "mn_paracopy", "Terme mit ersetzten &Parametern in Zwischenablage",
            [this] { paracopy(*state_, ui_, true); });

    buildCollectionMenu();
    buildParamMenu(addMenu(nullptr, kParamMenu[0].name, kParamMenu[0].caption));

    QMenu* extra = addMenu(nullptr, "mn_extra", "&Einstellungen");
    // Opening a dialog fills its boxes anew: what was typed but not taken over is gone.
    addItem(extra, "mn_groptions", "&Einstellungen für die Graphen", [this] {
        setgroptions(ctx_);
        optionsLinie_->bringForward();
    });
    QMenu* help = addMenu(extra, "mn_helpum", "Einstellungen für die Hilfslinien");
    addItem(help, "mn_axeoptions", "Anzahl und Startwerte der &Hilfslinien", [this] {
        setdef(*state_);
        optionsGraph_->bringForward();
    });
    help->addSeparator()->setObjectName("mn_s8");
    const auto display = [this](DisplayItem item) {
        return [this, item] { toggleDisplay(ctx_, item); };
    };
    addItem(help, "mn_helpline", "Hilfs&linien sichtbar", display(DisplayItem::HelpLines), true);
    addItem(help, "mn_viewnumb", "B&eschriftung sichtbar", display(DisplayItem::Numbers), true);
    addItem(help, "mn_axevis", "&Achsen sichtbar", display(DisplayItem::Axes), true);
    addItem(help, "mn_axname", "Achsen&name sichtbar", display(DisplayItem::AxisNames), true);
    addItem(
        help, "mn_asyvis", "zu&sätzliche Geraden sichtbar", [this] { toggleLinesVisible(ctx_); },
        true);
    addItem(
        help, "mn_puvis", "zu&sätzliche Punkte sichtbar", [this] { togglePointsVisible(ctx_); },
        true);
    QMenu* zoomMenu = addMenu(extra, "mn_zoomum", "Einstellungen für den Zoom");
    addItem(zoomMenu, "mn_zoomoptions", "&Zoom-Faktoren", [this] {
        setval(*state_);
        optionsZoom_->bringForward();
    });
    addItem(
        zoomMenu, "mn_zoomtoggle", "Zoom sperren", [this] { toggleZoomLock(ctx_); }, true);
    extra->addSeparator()->setObjectName("mn_sc");
    addItem(extra, "mn_verhx", "Verhältnis &x:y = x:1", [this] { einszueins(ctx_, 1); });
    addItem(extra, "mn_verhy", "Verhältnis x:&y = 1:y", [this] { einszueins(ctx_, 2); });
    QMenu* angle = addMenu(extra, "mn_winkum", "Einstellung der Winkelmaße");
    addItem(
        angle, "mn_rad", "&Bogenmaß (Vollwinkel = 2 pi rad)", [this] { winkelmas(ctx_, 1); }, true);
    addItem(
        angle, "mn_deg", "&Gradmaß (Vollwinkel = 360°)", [this] { winkelmas(ctx_, 2); }, true);
    addItem(
        angle, "mn_grad", "Neugrad&maß (Vollwinkel = 400 grad)", [this] { winkelmas(ctx_, 3); },
        true);

    QMenu* windows = addMenu(nullptr, "mn_win", "&Fenster");
    addItem(windows, "mn_calc", "&Taschenrechner", [this] { calc_->bringForward(); });
    addItem(windows, "mn_col", "&Sammlung", [this] { showCollectionWindow(); });
    addItem(windows, "mn_asy", "G&eraden", [this] { showLines(); });
    addItem(windows, "mn_punkt", "Punkte", [this] { showPoints(); });
    addItem(windows, "mn_wertetabelle", "&Wertetabelle", [this] { valueTable_->bringForward(); });
    addItem(windows, "mn_inter", "&Intervalle", [this] { showIntervalWindow(); });
    addItem(windows, "mn_graph", "&Graphische Darstellung",
            [this] { bringForward(*graphSub_, state_->layout.graph); });
    addItem(windows, "mn_term", "Funktions&terme",
            [this] { bringForward(*termSub_, state_->layout.term); });
    windows->addSeparator()->setObjectName("mn_s5");
    addItem(
        windows, "mn_dock", "Haupt&fenster andocken", [this] { toggleDock(ctx_); }, true);
}

void Mother::buildCollectionMenu() {
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence keys;
        std::function<void()> action;
    };
    QMenu* menu = addMenu(nullptr, "mn_samml", "&Sammlung");
    addItem(menu, "mn_shc", "Sammlung anzeigen", [this] { showCollectionWindow(); });
    menu->addSeparator()->setObjectName("mn_s7");
    const std::array<Item, 10> items{{
        {"mn_add", "Aktuelle Daten &hinzfügen", QKeySequence("Ctrl+H"),
         [this] {
             showCollectionWindow();
             addcol(ctx_);
         }},
        {"mn_newentry", "&Neuen Eintrag hinzufügen", QKeySequence("Ctrl+N"),
         [this] { newentry(ctx_); }},
        {"mn_einakt", "Angewählten Eintrag aktualisieren", QKeySequence("Ctrl+A"),
         [this] { allakt(ctx_); }},
        {"mn_s6", "-", {}, {}},
        {"mn_rename", "&Umbenennen", QKeySequence("Ctrl+U"), [this] { ren(ctx_); }},
        {"mn_copy", "&Kopieren", QKeySequence("Ctrl+K"), [this] { copyone(ctx_, false); }},
        {"mn_insert", "&Einfügen", QKeySequence("Ctrl+E"), [this] { insertClip(ctx_, false); }},
        {"mn_insaft", "Einfügen &danach", QKeySequence("Ctrl+D"),
         [this] { insertClip(ctx_, true); }},
        {"mn_cut", "Aus&schneiden", QKeySequence("Ctrl+Y"), [this] { cutone(ctx_); }},
        {"mn_clr", "&Löschen", QKeySequence("Ctrl+L"), [this] { clrone(ctx_); }},
    }};
    for (const Item& item : items) {
        if (!item.action) {
            QAction* separator = menu->addSeparator();
            separator->setObjectName(item.name);
            actions_[item.name] = separator;
            continue;
        }
        addItem(menu, item.name, item.caption, [this, action = item.action] {
            action();
            sammlung_->sync();
        })->setShortcut(item.keys);
    }
    refreshCollectionMenu();
}

// The editing items are there while the window is.
void Mother::refreshCollectionMenu() {
    const bool visible = state_->collection.window.menuVisible;
    for (const char* name : {"mn_newentry", "mn_einakt", "mn_s6", "mn_rename", "mn_copy",
                             "mn_insert", "mn_insaft", "mn_cut", "mn_clr"}) {
        const auto found = actions_.find(name);
        if (found != actions_.end()) {
            found->second->setVisible(visible);
        }
    }
}

void Mother::showCollectionWindow() {
    showcol(ctx_);
    bringForward(sammlung_->window(), state_->collection.window.frame);
    sammlung_->sync();
}

void Mother::buildHelpMenu() {
    QMenu* help = addMenu(nullptr, "mn_help", "&Hilfe");
    addItem(help, "mn_hlpm", "Hilfe zum markierten Objekt",
            [this] { showHelpFor(QApplication::focusWidget()); });
    help->addSeparator()->setObjectName("mn_sep99");
    addItem(help, "mn_about", "über Vestrano", [this] { showAbout(); });
}

void Mother::showHelpFor(const QWidget* focus) {
    const HelpTopic topic = helpTopicOf(focus);
    if (!help_) {
        help_ = new HelpWindow(this);
    }
    help_->showTopic(topic);
}

void Mother::showAbout() {
    auto* box = new AboutBox(ui_, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Mother::setCheck(const char* name, bool checked) {
    const auto found = actions_.find(name);
    if (found != actions_.end()) {
        found->second->setChecked(checked);
    }
}

void Mother::refreshMenu() {
    const PlotState& s = *state_;
    setCheck("mn_fplot", s.mode == 0);
    setCheck("mn_kplot", s.mode == 1);
    setCheck("mn_helpline", displayChecked(s, DisplayItem::HelpLines));
    setCheck("mn_viewnumb", displayChecked(s, DisplayItem::Numbers));
    setCheck("mn_axevis", displayChecked(s, DisplayItem::Axes));
    setCheck("mn_axname", displayChecked(s, DisplayItem::AxisNames));
    setCheck("mn_asyvis", s.additional.linesvisible != 0);
    setCheck("mn_puvis", s.additional.pointflags != 0);
    setCheck("mn_zoomtoggle", s.menu.zoomtoggle);
    setCheck("mn_rad", s.options.anglemode == 1);
    setCheck("mn_deg", s.options.anglemode == 2);
    setCheck("mn_grad", s.options.anglemode == 3);
    setCheck("mn_dock", s.menu.dock);
    refreshParamMenu();
}

} // namespace vestrano
