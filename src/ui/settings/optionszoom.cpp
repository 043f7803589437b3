#include "ui/settings/optionszoom.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "settings/option_dialogs.h"
#include "state/plot_state.h"
#include "state/program_context.h"

namespace vestrano {

OptionsZoom::OptionsZoom(ProgramContext& ctx, QMdiArea& mdi)
    : OptionWindow(ctx, mdi, "optionszoom", "Zoom-Einstellungen",
                   ctx.state.optionBoxes.zoom.visible) {
    ZoomOptionBoxes& boxes = ctx_.state.optionBoxes.zoom;
    auto* grid = new QGridLayout;
    grid->addWidget(addLabel("xFactorLabel", "Zoom-Faktor in x-Richtung:"), 0, 0);
    grid->addWidget(addBox("Text1", boxes.x), 0, 1);
    grid->addWidget(addLabel("yFactorLabel", "Zoom-Faktor in y-Richtung:"), 1, 0);
    grid->addWidget(addBox("Text2", boxes.y), 1, 1);

    arrange(grid, {addButton("Command1", "&Übernehmen", [this] { applyZoomOptions(ctx_); }),
                   addCloseButton()});
}

} // namespace vestrano
