#include "ui/plot/graph_menu.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/graph_export.h"
#include "app/picture_format.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "ui/plot/graph_pictures.h"
#include "ui/plot/graphform.h"

namespace vestrano {

namespace {

void putOnClipboard(QMimeData* data) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setMimeData(data);
}

} // namespace

void copybitmap(GraphForm& graph) {
    graph.showPicture();
    auto* data = new QMimeData;
    data->setData("image/png", pngBytes(graph.picture()));
    putOnClipboard(data);
}

void copyvector(ProgramContext& ctx, GraphForm& graph) {
    const QByteArray svg = graphSvg(ctx);
    const std::string file = emfcopy(ctx); // draws the screen again
    const QByteArray emf(file.data(), static_cast<qsizetype>(file.size()));
    graph.showPicture();
    auto* data = new QMimeData;
    data->setData(R"(application/x-openoffice-emf;windows_formatname="Image EMF")", emf);
    data->setData(R"(image/svg+xml;windows_formatname="image/svg+xml")", svg);
    data->setData("image/svg+xml", svg);
    data->setData("image/x-emf", emf);
    data->setData("image/png", pngBytes(graph.picture()));
    putOnClipboard(data);
}

void savegraph(ProgramContext& ctx, GraphForm& graph) {
    const auto chosen = ctx.ui.saveFileName("Graphik speichern unter", kPictureFilter, "");
    if (!chosen) {
        return;
    }
    const Status written = writeGraph(ctx, *chosen, graph.canvas());
    redrawGraph(ctx);
    if (!written.ok()) {
        ctx.ui.message(written.reason(), "Fehler", MessageIcon::Critical);
    }
}

} // namespace vestrano
