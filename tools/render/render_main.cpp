// Draws a term set into a PNG through the same routines as the graph window, without a
// window: for looking at pictures and for the documentation.

#include <QGuiApplication>
#include <QImage>

#include <iostream>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "plot/redraw.h"
#include "render_options.h"
#include "render_scene.h"
#include "state/plot_state.h"
#include "ui/canvas/qt_canvas.h"
#include "ui/plot/console_ui.h"

namespace {

int render(const vestrano::RenderOptions& options) {
    QImage picture(options.width, options.height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    vestrano::QtCanvas canvas(picture);
    vestrano::ConsoleUi ui;
    auto state = std::make_unique<vestrano::PlotState>();
    const std::string error =
        vestrano::prepareScene(*state, options.scene, options.width, options.height, canvas, ui);
    if (!error.empty()) {
        std::cerr << error << '\n';
        return 2;
    }
    if (state->status.text != "Ok.") {
        std::cerr << state->status.text << '\n';
    }
    vestrano::redraw(*state, canvas, ui);
    canvas.flush();
    if (!picture.save(QString::fromStdString(options.out), "PNG")) {
        std::cerr << "Das Bild konnte nicht gespeichert werden: " << options.out << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto parsed = vestrano::parseRenderOptions(args);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        std::cerr << *error << '\n' << vestrano::kRenderUsage;
        return 2;
    }
    return render(std::get<vestrano::RenderOptions>(parsed));
}
