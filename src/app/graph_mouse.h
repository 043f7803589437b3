#pragma once

namespace vestrano {

struct ProgramContext;

// A mouse release in the drawing area at (x, y), twips from its top-left corner. Without a
// modifier it ends a parameter coupling; with one it pans or zooms the view. "Zoom sperren"
// blocks all of it.
void zoom(ProgramContext& ctx, int button, int shift, double x, double y);

} // namespace vestrano
