#include <QMenu>
#include <QMenuBar>

#include <string>
#include <vector>

#include "window_fixture.h"

namespace vestrano {
namespace {

// "name caption" for every item in order, submenus as "[name caption ... ]"; separators "name -".
void listItems(const QMenu& menu, std::vector<std::string>& out) {
    for (const QAction* item : menu.actions()) {
        if (item->isSeparator()) {
            out.push_back(item->objectName().toStdString() + " -");
            continue;
        }
        if (const QMenu* sub = item->menu()) {
            out.push_back("[" + sub->objectName().toStdString() + " " + item->text().toStdString());
            listItems(*sub, out);
            out.push_back("]");
            continue;
        }
        out.push_back(item->objectName().toStdString() + " " + item->text().toStdString());
    }
}

// The items whose actions exist, in the order and with the captions and access keys of the menu
// tree; items of windows still to come are left out.
TEST_F(Windows, TheMenuTreeInItsOrderWithItsCaptions) {
    QMenu bar;
    for (QAction* top : mother->menuBar()->actions()) {
        bar.addAction(top);
    }
    std::vector<std::string> items;
    listItems(bar, items);
    const std::vector<std::string> expected{
        "[mn_file &Datei",
        "mn_fplot &Funktionenplotter",
        "mn_kplot &Kurvenplotter",
        "mn_s3 -",
        "mn_close &S&chließen",
        "]",
        "[mn_edit &Bearbeiten",
        "mn_copytermo &Terme in Zwischenablage kopieren",
        "mn_paracopy Terme mit ersetzten &Parametern in Zwischenablage",
        "]",
        "[mn_pmw &Parameter",
        "mn_spal Parameteraus&wahlliste anzeigen",
        "mn_para Alle &Parameter anzeigen",
        "mn_koppel Parameterkoppelung mit rechter &Maustaste und x-Koordinate",
        "mn_koppely Parameterkoppelung mit &linker Maustaste und y-Koordinate",
        "mn_pardock &Parameterfenster anordnen",
        "mn_s4 -",
        "mn_ugr &Untere Grenzen für Integralfunktionen anzeigen",
        "mn_autoint automatische Erkennung von &Integralfunktionen",
        "mns44 -",
        "mn_timergo Alle &Timer gleichzeitig starten",
        "]",
        "[mn_extra &Einstellungen",
        "[mn_helpum Einstellungen für die Hilfslinien",
        "mn_helpline Hilfs&linien sichtbar",
        "mn_viewnumb B&eschriftung sichtbar",
        "mn_axevis &Achsen sichtbar",
        "mn_axname Achsen&name sichtbar",
        "]",
        "[mn_zoomum Einstellungen für den Zoom",
        "mn_zoomtoggle Zoom sperren",
        "]",
        "mn_sc -",
        "mn_verhx Verhältnis &x:y = x:1",
        "mn_verhy Verhältnis x:&y = 1:y",
        "[mn_winkum Einstellung der Winkelmaße",
        "mn_rad &Bogenmaß (Vollwinkel = 2 pi rad)",
        "mn_deg &Gradmaß (Vollwinkel = 360°)",
        "mn_grad Neugrad&maß (Vollwinkel = 400 grad)",
        "]",
        "]",
        "[mn_win &Fenster",
        "mn_calc &Taschenrechner",
        "mn_inter &Intervalle",
        "mn_graph &Graphische Darstellung",
        "mn_term Funktions&terme",
        "mn_s5 -",
        "mn_dock Haupt&fenster andocken",
        "]",
        "[mn_help &Hilfe",
        "mn_hlpm Hilfe zum markierten Objekt",
        "mn_sep99 -",
        "mn_about über Vestrano",
        "]",
    };
    EXPECT_EQ(items, expected);
}

} // namespace
} // namespace vestrano
