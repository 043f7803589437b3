#pragma once

#include <optional>
#include <string>

#include "analysis/table_rows.h"
#include "analysis/value_table.h"

namespace vestrano {

struct PlotState;
struct ProgramContext;
struct Viewport;

// The window "Wertetabelle": what its controls do to the program. The rows are read from the
// boxes when they are taken over and stay; the values follow the graphs at those rows.

enum class TableBox { From, To, Step };

// The boxes the first time the window opens: the visible x interval at a round step (1, 2 or 5
// times a power of ten), at most 21 rows.
TableInput defaultTableInput(const Viewport& view);

// The boxes taken over: new rows and their values. A refusal is told in German and leaves the
// table as it was; the box it names comes back, for the focus.
std::optional<TableBox> takeTableInput(ProgramContext& ctx, const TableInput& input,
                                       ValueTable& table);

// The values at the same rows anew, after anything that may have changed the graphs.
void followTable(ProgramContext& ctx, ValueTable& table);

// "Kopieren": tab-separated with decimal commas, for a German spreadsheet.
void copyTable(ProgramContext& ctx, const ValueTable& table);

// The line below the table: the number of rows, or why no graph has a column.
std::string tableNote(const PlotState& state, const ValueTable& table);

} // namespace vestrano
