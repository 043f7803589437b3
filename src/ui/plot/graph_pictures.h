#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <string>

#include "plot/gif_encoder.h"
#include "state/result.h"

namespace vestrano {

struct PlotState;
struct ProgramContext;
class TextMetrics;

// The drawing area's size in pixels.
QSize drawingSize(const PlotState& state);

// The whole graph drawn again, through the screen's routines, at the drawing area's size.
QImage graphImage(ProgramContext& ctx);
QByteArray graphSvg(ProgramContext& ctx);
QByteArray graphEmf(ProgramContext& ctx, TextMetrics& metrics);

QByteArray pngBytes(const QImage& image);

// graphImage's pixels, a frame of an animation.
FramePicture framePicture(ProgramContext& ctx);

// The graph into `path` in the format of its extension, or the German message why not. Text in
// the metafile is measured with `metrics`.
Status writeGraph(ProgramContext& ctx, const std::string& path, TextMetrics& metrics);

} // namespace vestrano
