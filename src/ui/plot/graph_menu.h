#pragma once

namespace vestrano {

class GraphForm;
struct ProgramContext;

// "Graphik als Bitmap in Zwischenablage kopieren": the drawing area as shown, as PNG only, so
// that a paste target takes pixels and not paths.
void copybitmap(GraphForm& graph);

// "Graphik im EMF-Format in Zwischenablage kopieren": the whole graph drawn again as metafile
// and SVG, under the names office programs and drawing programs look for, with the picture as
// shown for the others. The metafile is also kept beside the working copy.
void copyvector(ProgramContext& ctx, GraphForm& graph);

// "Graphik speichern unter...": the graph as PNG, SVG, EMF or PDF at the drawing area's size,
// the format chosen by the file's extension. A failure is told, naming the file.
void savegraph(ProgramContext& ctx, GraphForm& graph);

} // namespace vestrano
