// The main window's menu: one table, in the menu's order, each item calling the core.

#include "ui/main_window/mother.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTimer>

#include <iterator>

#include "app/animation_export.h"
#include "app/curve_points_window.h"
#include "app/lines_window.h"
#include "app/menu_actions.h"
#include "app/mode_switch.h"
#include "app/points_window.h"
#include "app/settings_menu.h"
#include "app/term_input.h"
#include "app/undo.h"
#include "collection/collection_file.h"
#include "collection/entry_editing.h"
#include "params/animation.h"
#include "plot/einszueins.h"
#include "settings/option_dialogs.h"
#include "ui/analysis/wertetabelle.h"
#include "ui/calculator/minicalc.h"
#include "ui/collection/sammlung.h"
#include "ui/help/about_box.h"
#include "ui/help/help_window.h"
#include "ui/plot/animation_dialog.h"
#include "ui/plot/graph_menu.h"
#include "ui/plot/graph_pictures.h"
#include "ui/settings/optionsgraph.h"
#include "ui/settings/optionslinie.h"
#include "ui/settings/optionszoom.h"

namespace vestrano {

namespace {

void append(std::vector<MenuRow>& table, std::vector<MenuRow> rows) {
    table.insert(table.end(), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
}

} // namespace

void Mother::buildMenu() {
    for (auto part :
         {&Mother::fileMenu, &Mother::editMenu, &Mother::collectionMenu, &Mother::paramMenu,
          &Mother::settingsMenu, &Mother::windowMenu, &Mother::helpMenu}) {
        append(menuRows_, (this->*part)());
    }
    for (MenuRow& row : menuRows_) {
        if (row.run) {
            // A checkable item shows the state's flag, not Qt's own toggling.
            row.run = [this, run = std::move(row.run)] {
                run();
                refreshMenu();
            };
        }
    }
    menuActions_ = buildMenus(*menuBar(), menuRows_);
    timerGo_ = &menuAction(*menuBar(), "mn_timergo");
}

std::vector<MenuRow> Mother::fileMenu() {
    const auto mode = [this](int m) { return [this, m] { return state_->mode == m; }; };
    return {
        menuRow(nullptr, "mn_file", "&Datei"),
        itemRow("mn_file", "mn_open", "&Öffnen", [this] { colopen(ctx_); }),
        // A failed save is told where it happens; the menu has nothing to add.
        itemRow("mn_file", "mn_save", "&Speichern", [this] { ignoreResult(colsave(ctx_, true)); }),
        itemRow("mn_file", "mn_saveas", "Speichern &unter...",
                [this] { ignoreResult(colsave(ctx_, false)); }),
        itemRow("mn_file", "mn_animation", "&Animation speichern...",
                [this] { showAnimationDialog(); }),
        separatorRow("mn_file", "mn_sep"),
        checkRow(
            "mn_file", "mn_fplot", "&Funktionenplotter", [this] { chooseMode(ctx_, 0); }, mode(0)),
        checkRow(
            "mn_file", "mn_kplot", "&Kurvenplotter", [this] { chooseMode(ctx_, 1); }, mode(1)),
        separatorRow("mn_file", "mn_s2"),
        itemRow("mn_file", "mn_saveopt", "&Einstellungen speichern",
                [this] { saveSettingsMenu(ctx_); }),
        itemRow("mn_file", "mn_optdef", "&Voreinstellungen aktivieren",
                [this] { restoreDefaultsMenu(ctx_); }),
        separatorRow("mn_file", "mn_s3"),
        itemRow("mn_file", "mn_close", "&S&chließen", [this] { close(); }),
    };
}

std::vector<MenuRow> Mother::editMenu() {
    return {
        menuRow(nullptr, "mn_edit", "&Bearbeiten"),
        liveRow(
            "mn_edit", "mn_undo", "Rückgängig", "Ctrl+Z", [this] { undoStep(ctx_, history_); },
            [this] { return history_.undoCaption(); }, [this] { return history_.canUndo(); }),
        liveRow(
            "mn_edit", "mn_redo", "Wiederholen", "Ctrl+Shift+Z",
            [this] { redoStep(ctx_, history_); }, [this] { return history_.redoCaption(); },
            [this] { return history_.canRedo(); }),
        separatorRow("mn_edit", "mn_s_undo"),
        itemRow("mn_edit", "mn_copytoclip", "Graphik als Bitmap in Zwischenablage &kopieren",
                [this] { copybitmap(*graph_); }),
        itemRow("mn_edit", "mn_emf", "Graphik im &EMF-Format in Zwischenablage kopieren",
                [this] { copyvector(ctx_, *graph_); }),
        itemRow("mn_edit", "mn_savegraph", "Graphik speichern unter...",
                [this] { savegraph(ctx_, *graph_); }),
        itemRow("mn_edit", "mn_copytermo", "&Terme in Zwischenablage kopieren",
                [this] { paracopy(*state_, ui_, false); }),
        itemRow("mn_edit", "mn_paracopy", "Terme mit ersetzten &Parametern in Zwischenablage",
                [this] { paracopy(*state_, ui_, true); }),
    };
}

std::vector<MenuRow> Mother::collectionMenu() {
    // The editing items are there while the window is, and the window shows what they did.
    const auto edit = [this](const char* name, const char* caption, const char* keys,
                             std::function<void()> run) {
        MenuRow row = itemRow("mn_samml", name, caption, [this, run = std::move(run)] {
            run();
            sammlung_->sync();
        });
        row.keys = keys;
        row.shown = [this] { return state_->collection.window.menuVisible; };
        return row;
    };
    MenuRow gap = separatorRow("mn_samml", "mn_s6");
    gap.shown = [this] { return state_->collection.window.menuVisible; };
    return {
        menuRow(nullptr, "mn_samml", "&Sammlung"),
        itemRow("mn_samml", "mn_shc", "Sammlung anzeigen", [this] { showCollectionWindow(); }),
        separatorRow("mn_samml", "mn_s7"),
        itemRow(
            "mn_samml", "mn_add", "Aktuelle Daten &hinzfügen",
            [this] {
                showCollectionWindow();
                addcol(ctx_);
                sammlung_->sync();
            },
            "Ctrl+H"),
        edit("mn_newentry", "&Neuen Eintrag hinzufügen", "Ctrl+N", [this] { newentry(ctx_); }),
        edit("mn_einakt", "Angewählten Eintrag aktualisieren", "Ctrl+A", [this] { allakt(ctx_); }),
        gap,
        edit("mn_rename", "&Umbenennen", "Ctrl+U", [this] { ren(ctx_); }),
        edit("mn_copy", "&Kopieren", "Ctrl+K", [this] { copyone(ctx_, false); }),
        edit("mn_insert", "&Einfügen", "Ctrl+E", [this] { insertClip(ctx_, false); }),
        edit("mn_insaft", "Einfügen &danach", "Ctrl+D", [this] { insertClip(ctx_, true); }),
        edit("mn_cut", "Aus&schneiden", "Ctrl+Y", [this] { cutone(ctx_); }),
        edit("mn_clr", "&Löschen", "Ctrl+L", [this] { clrone(ctx_); }),
    };
}

std::vector<MenuRow> Mother::settingsMenu() {
    const auto display = [this](const char* name, const char* caption, DisplayItem item) {
        return checkRow(
            "mn_helpum", name, caption, [this, item] { toggleDisplay(ctx_, item); },
            [this, item] { return displayChecked(*state_, item); });
    };
    const auto angle = [this](const char* name, const char* caption, int m) {
        return checkRow(
            "mn_winkum", name, caption, [this, m] { winkelmas(ctx_, m); },
            [this, m] { return state_->options.anglemode == m; });
    };
    return {
        menuRow(nullptr, "mn_extra", "&Einstellungen"),
        // Opening a dialog fills its boxes anew: what was typed but not taken over is gone.
        itemRow("mn_extra", "mn_groptions", "&Einstellungen für die Graphen",
                [this] {
                    setgroptions(ctx_);
                    optionsLinie_->bringForward();
                }),
        menuRow("mn_extra", "mn_helpum", "Einstellungen für die Hilfslinien"),
        itemRow("mn_helpum", "mn_axeoptions", "Anzahl und Startwerte der &Hilfslinien",
                [this] {
                    setdef(*state_);
                    optionsGraph_->bringForward();
                }),
        separatorRow("mn_helpum", "mn_s8"),
        display("mn_helpline", "Hilfs&linien sichtbar", DisplayItem::HelpLines),
        display("mn_viewnumb", "B&eschriftung sichtbar", DisplayItem::Numbers),
        display("mn_axevis", "&Achsen sichtbar", DisplayItem::Axes),
        display("mn_axname", "Achsen&name sichtbar", DisplayItem::AxisNames),
        checkRow(
            "mn_helpum", "mn_asyvis", "zu&sätzliche Geraden sichtbar",
            [this] { toggleLinesVisible(ctx_); },
            [this] { return state_->additional.linesvisible != 0; }),
        checkRow(
            "mn_helpum", "mn_puvis", "zu&sätzliche Punkte sichtbar",
            [this] { togglePointsVisible(ctx_); },
            [this] { return state_->additional.pointflags != 0; }),
        menuRow("mn_extra", "mn_zoomum", "Einstellungen für den Zoom"),
        itemRow("mn_zoomum", "mn_zoomoptions", "&Zoom-Faktoren",
                [this] {
                    setval(*state_);
                    optionsZoom_->bringForward();
                }),
        checkRow(
            "mn_zoomum", "mn_zoomtoggle", "Zoom sperren", [this] { toggleZoomLock(ctx_); },
            [this] { return state_->menu.zoomtoggle; }),
        separatorRow("mn_extra", "mn_sc"),
        itemRow("mn_extra", "mn_verhx", "Verhältnis &x:y = x:1", [this] { einszueins(ctx_, 1); }),
        itemRow("mn_extra", "mn_verhy", "Verhältnis x:&y = 1:y", [this] { einszueins(ctx_, 2); }),
        menuRow("mn_extra", "mn_winkum", "Einstellung der Winkelmaße"),
        angle("mn_rad", "&Bogenmaß (Vollwinkel = 2 pi rad)", 1),
        angle("mn_deg", "&Gradmaß (Vollwinkel = 360°)", 2),
        angle("mn_grad", "Neugrad&maß (Vollwinkel = 400 grad)", 3),
    };
}

std::vector<MenuRow> Mother::windowMenu() {
    return {
        menuRow(nullptr, "mn_win", "&Fenster"),
        itemRow("mn_win", "mn_calc", "&Taschenrechner", [this] { calc_->bringForward(); }),
        itemRow("mn_win", "mn_col", "&Sammlung", [this] { showCollectionWindow(); }),
        itemRow("mn_win", "mn_asy", "G&eraden", [this] { showLines(); }),
        itemRow("mn_win", "mn_punkt", "Punkte", [this] { showPoints(); }),
        itemRow("mn_win", "mn_wertetabelle", "&Wertetabelle",
                [this] { valueTable_->bringForward(); }),
        itemRow("mn_win", "mn_inter", "&Intervalle", [this] { showIntervalWindow(); }),
        itemRow(
            "mn_win", "mn_kurvenpunkte", "&Kurvenpunkte", [this] { showCurvePoints(); },
            "Ctrl+Shift+K"),
        checkRow(
            "mn_win", "mn_kurvenpunkte_anzeigen", "Kurvenpunkte &anzeigen",
            [this] { toggleCurvePointMarks(ctx_); }, [this] { return state_->curvePoints.marked; }),
        itemRow("mn_win", "mn_graph", "&Graphische Darstellung",
                [this] { bringForward(*graphSub_, state_->layout.graph); }),
        itemRow("mn_win", "mn_term", "Funktions&terme",
                [this] { bringForward(*termSub_, state_->layout.term); }),
        separatorRow("mn_win", "mn_s5"),
        checkRow(
            "mn_win", "mn_dock", "Haupt&fenster andocken", [this] { toggleDock(ctx_); },
            [this] { return state_->menu.dock; }),
    };
}

std::vector<MenuRow> Mother::helpMenu() {
    return {
        menuRow(nullptr, "mn_help", "&Hilfe"),
        itemRow("mn_help", "mn_hlpm", "Hilfe zum markierten Objekt",
                [this] { showHelpFor(QApplication::focusWidget()); }),
        separatorRow("mn_help", "mn_sep99"),
        itemRow("mn_help", "mn_about", "über Vestrano", [this] { showAbout(); }),
    };
}

void Mother::showCollectionWindow() {
    showcol(ctx_);
    bringForward(sammlung_->window(), state_->collection.window.frame);
    sammlung_->sync();
}

void Mother::showHelpFor(const QWidget* focus) {
    const HelpTopic topic = helpTopicOf(focus);
    if (!help_) {
        help_ = new HelpWindow(this);
    }
    help_->showTopic(topic);
}

void Mother::showAnimationDialog() {
    if (animatableSlots(*state_).empty()) {
        ui_.message("Die Graphik hat keinen Parameter, der laufen könnte. Ein Parameter ist ein "
                    "Name in einem Term, etwa a in a*x^2.",
                    "Animation speichern", MessageIcon::Information);
        return;
    }
    const auto pause = [this](bool on) {
        if (on) {
            timer1_->stop();
            return;
        }
        refreshMenu();
    };
    auto* dialog = new AnimationDialog(ctx_, drawingSize(*state_), pause, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void Mother::showAbout() {
    auto* box = new AboutBox(ui_, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Mother::refreshMenu() {
    const PlotState& s = *state_;
    refreshMenus(menuRows_, menuActions_);
    // Checked on every tick: the menu is only touched when the caption changes.
    const QString caption = QString::fromUtf8(timerGoCaption(s));
    if (timerGo_->text() != caption) {
        timerGo_->setText(caption);
    }
    // The timer runs exactly while the core says some parameter does.
    if (s.timerEnabled != timer1_->isActive()) {
        s.timerEnabled ? timer1_->start() : timer1_->stop();
    }
}

} // namespace vestrano
