#include "ui/plot/export_run.h"

#include <QImage>

#include <memory>
#include <ostream>

#include "app/command_line.h"
#include "app/export_entry.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "ui/canvas/qt_canvas.h"
#include "ui/plot/console_ui.h"
#include "ui/plot/graph_pictures.h"

namespace vestrano {

int exportPicture(const ExportRequest& request, std::ostream& errors) {
    auto state = std::make_unique<PlotState>();
    ConsoleUi ui;
    ProgramContext ctx{*state, ui};
    // Text is measured as on a screen picture.
    QImage sample(1, 1, QImage::Format_RGB32);
    QtCanvas metrics(sample);
    Status done = prepareExport(ctx, request, metrics);
    if (done.ok()) {
        done = writeGraph(ctx, request.picture, metrics);
    }
    if (!done.ok()) {
        errors << done.reason() << '\n';
        return 1;
    }
    return 0;
}

} // namespace vestrano
