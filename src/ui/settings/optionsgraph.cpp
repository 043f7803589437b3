#include "ui/settings/optionsgraph.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

#include "settings/graph_options.h"
#include "state/plot_state.h"
#include "state/program_context.h"

namespace vestrano {

namespace {

QLabel* centred(QLabel* label) {
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

OptionsGraph::OptionsGraph(ProgramContext& ctx, QMdiArea& mdi)
    : OptionWindow(ctx, mdi, "optionsgraph", "Einstellungen zu den Hilfslinien",
                   ctx.state.optionBoxes.graph.visible) {
    std::array<std::string, 13>& text = ctx_.state.optionBoxes.graph.text;
    // The boxes are Text1 .. Text13; the state keeps them in that order.
    const auto box = [&](int n) {
        const std::string name = "Text" + std::to_string(n);
        return addBox(name.c_str(), text[static_cast<std::size_t>(n - 1)]);
    };

    auto* grid = new QGridLayout;
    grid->addWidget(centred(addLabel("xLinesHeading", "x-Hilfslinien")), 0, 1);
    grid->addWidget(centred(addLabel("yLinesHeading", "y-Hilfslinien")), 0, 2);
    constexpr std::array<std::pair<const char*, const char*>, 4> rows{{
        {"startLabel", "Startwert:"},
        {"stepLabel", "Schrittweite:"},
        {"minLabel", "minimale Anzahl:"},
        {"maxLabel", "maximale Anzahl:"},
    }};
    // x in Text1, 2, 5, 6, y in Text3, 4, 7, 8.
    constexpr std::array<std::pair<int, int>, 4> rowBoxes{{{1, 3}, {2, 4}, {5, 7}, {6, 8}}};
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(addLabel(rows[r].first, rows[r].second), r + 1, 0);
        grid->addWidget(box(rowBoxes[r].first), r + 1, 1);
        grid->addWidget(box(rowBoxes[r].second), r + 1, 2);
    }
    grid->setRowMinimumHeight(5, 8);
    grid->addWidget(addLabel("decimalsLabel", "Anzahl der angezeigten Stellen hinter dem Komma:"),
                    6, 0, 1, 3);
    grid->addWidget(centred(addLabel("xValuesHeading", "x-Werte")), 7, 1);
    grid->addWidget(centred(addLabel("yValuesHeading", "y-Werte")), 7, 2);
    grid->addWidget(box(9), 8, 1);
    grid->addWidget(box(10), 8, 2);
    grid->setRowMinimumHeight(9, 8);
    grid->addWidget(addLabel("numberFontLabel", "Schriftgröße\nder Zahlen:"), 10, 0);
    grid->addWidget(box(11), 10, 1);
    grid->addWidget(addLabel("nameFontLabel", "Schriftgröße\nvon \"x\" / \"y\":"), 11, 0);
    grid->addWidget(box(12), 11, 1);
    grid->addWidget(addLabel("brightnessLabel", "Hilfslinien-Helligkeit"), 12, 0);
    grid->addWidget(box(13), 12, 1);

    arrange(grid,
            {addButton("Command1", "&Übernehmen", [this] { applyGraphOptions(ctx_); }),
             addButton("Command3", "&Voreinstellungen", [this] { graphOptionDefaults(ctx_); }),
             addCloseButton()});
}

} // namespace vestrano
