#include "ui/plot/graph_pictures.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

#include "app/graph_export.h"
#include "app/picture_format.h"
#include "plot/emf_canvas.h"
#include "settings/text_file.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "ui/canvas/qt_canvas.h"
#include "ui/main_window/twips.h"

namespace vestrano {

namespace {

constexpr int kPictureDpi = 96; // a QImage's own

// One page of the drawing area's size, a pixel to a device unit.
QByteArray graphPdf(ProgramContext& ctx) {
    const QSize size = drawingSize(ctx.state);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPictureDpi);
        writer.setPageSize(QPageSize(QSizeF(size) * 72.0 / kPictureDpi, QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setCreator("Vestrano");
        QtCanvas canvas(writer);
        drawGraphInto(ctx.state, canvas, ctx.ui);
    }
    return buffer.data();
}

} // namespace

QSize drawingSize(const PlotState& state) {
    const Viewport& v = state.view;
    return {std::clamp(toPixels(v.picw, v.tppx), 1, 32767),
            std::clamp(toPixels(v.pich, v.tppy), 1, 32767)};
}

QImage graphImage(ProgramContext& ctx) {
    QImage image(drawingSize(ctx.state), QImage::Format_RGB32);
    image.fill(Qt::white);
    QtCanvas canvas(image);
    drawGraphInto(ctx.state, canvas, ctx.ui);
    canvas.flush();
    return image;
}

QByteArray graphSvg(ProgramContext& ctx) {
    const QSize size = drawingSize(ctx.state);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    // A pixel of the drawing area is a pixel of the picture where the SVG is shown at 96 dpi,
    // and text keeps the size it has on a picture.
    generator.setResolution(kPictureDpi);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle("Vestrano");
    {
        QtCanvas canvas(generator);
        drawGraphInto(ctx.state, canvas, ctx.ui);
    }
    return buffer.data();
}

QByteArray graphEmf(ProgramContext& ctx, TextMetrics& metrics) {
    EmfCanvas metafile(ctx.state.view, metrics);
    drawGraphInto(ctx.state, metafile, ctx.ui);
    const std::string file = metafile.finish();
    return QByteArray(file.data(), static_cast<qsizetype>(file.size()));
}

FramePicture framePicture(ProgramContext& ctx) {
    const QImage image = graphImage(ctx);
    FramePicture frame{image.width(), image.height(), {}};
    frame.pixels.resize(static_cast<std::size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
        std::copy(row, row + image.width(),
                  frame.pixels.begin() + std::ptrdiff_t{y} * image.width());
    }
    return frame;
}

QByteArray pngBytes(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

namespace {

QByteArray pictureBytes(ProgramContext& ctx, PictureFormat format, TextMetrics& metrics) {
    switch (format) {
    case PictureFormat::Png:
        return pngBytes(graphImage(ctx));
    case PictureFormat::Svg:
        return graphSvg(ctx);
    case PictureFormat::Emf:
        return graphEmf(ctx, metrics);
    case PictureFormat::Pdf:
        return graphPdf(ctx);
    }
    return {};
}

} // namespace

Status writeGraph(ProgramContext& ctx, const std::string& path, TextMetrics& metrics) {
    const auto format = pictureFormat(path);
    if (!format.ok()) {
        return fail(format.reason());
    }
    const QByteArray bytes = pictureBytes(ctx, format.value(), metrics);
    if (bytes.isEmpty()) {
        return fail(notWrittenText(path, "Das Bild kann nicht erzeugt werden."));
    }
    const Status written =
        writeFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
    if (!written.ok()) {
        return fail(notWrittenText(path, written.reason()));
    }
    return written;
}

} // namespace vestrano
