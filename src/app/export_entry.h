#pragma once

#include "state/result.h"

namespace vestrano {

struct ExportRequest;
struct ProgramContext;
class TextMetrics;

// Brings a freshly made context to the plot of the requested entry, as the windows would show
// it in a drawing area of the requested size: start-up without a working copy, the collection's
// settings, the entry of either mode applied, one sample per pixel column. Nothing is written.
// Fails with the German reason why there is nothing to draw.
Status prepareExport(ProgramContext& ctx, const ExportRequest& request, TextMetrics& metrics);

} // namespace vestrano
