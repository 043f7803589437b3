#include "ui/plot/export_run.h"

#include <QImage>

#include <functional>
#include <memory>
#include <ostream>

#include "app/animation_export.h"
#include "app/command_line.h"
#include "app/export_entry.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "ui/canvas/qt_canvas.h"
#include "ui/plot/console_ui.h"
#include "ui/plot/graph_pictures.h"

namespace vestrano {

namespace {

enum ExitStatus { kDone = 0, kNoPicture = 1, kWrongArguments = 2 };

// The entry loaded into a program of its own, then `make` run on it; the exit status.
int onExportedEntry(const ExportRequest& request, std::ostream& errors,
                    const std::function<int(ProgramContext&, TextMetrics&)>& make) {
    auto state = std::make_unique<PlotState>();
    ConsoleUi ui;
    ProgramContext ctx{*state, ui};
    // Text is measured as on a screen picture.
    QImage sample(1, 1, QImage::Format_RGB32);
    QtCanvas metrics(sample);
    if (Status prepared = prepareExport(ctx, request, metrics); !prepared.ok()) {
        errors << prepared.reason() << '\n';
        return kNoPicture;
    }
    return make(ctx, metrics);
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

int exportPicture(const ExportRequest& request, std::ostream& errors) {
    return onExportedEntry(request, errors, [&](ProgramContext& ctx, TextMetrics& metrics) {
        if (Status written = writeGraph(ctx, request.picture, metrics); !written.ok()) {
            errors << written.reason() << '\n';
            return kNoPicture;
        }
        return kDone;
    });
}

int exportAnimation(const ExportRequest& request, const AnimationRequest& animation,
                    std::ostream& errors) {
    return onExportedEntry(request, errors, [&](ProgramContext& ctx, TextMetrics&) {
        const PlotState& state = ctx.state;
        const int slot = animatableSlot(state, animation.parameter);
        if (slot < 0) {
            const CollectionTable& collection = state.collection;
            errors << "Die Sammlung " << quoted(request.collection) << ", Eintrag "
                   << quoted(collection.entries.at(collection.window.selected)
                                 .fields[EntryField::Title])
                   << ", hat keinen Parameter " << quoted(animation.parameter) << ".\n";
            return kNoPicture;
        }
        const auto plan = planAnimation(ctx.state, ctx.ui, slot, animation,
                                        {"--from", "--to", "--frames", "--fps"});
        if (!plan.ok()) {
            errors << plan.reason() << '\n';
            return kWrongArguments;
        }
        const auto saved = saveAnimation(ctx, plan.value(), request.picture, framePicture);
        if (!saved.ok()) {
            errors << saved.reason() << '\n';
            return kNoPicture;
        }
        return kDone;
    });
}

} // namespace vestrano
