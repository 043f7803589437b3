#pragma once

#include <iosfwd>

namespace vestrano {

struct CommandLine;
class Ui;

// "vestrano --table": the value table of the requested function-mode entry on `out`, as
// tab-separated lines with decimal points. Returns the exit status: 0 done, 1 when the file or
// the entry is missing, has errors or is a curve, 2 when the range cannot be read; the reason
// goes to `errors` in German. Nothing is written to disk.
int printValueTable(const CommandLine& line, Ui& ui, std::ostream& out, std::ostream& errors);

// "vestrano --points": the points of interest of the requested function-mode entry over its x
// interval on `out`, one per line (graph, kind, x, y; tab-separated, decimal points). The exit
// status and the reasons as printValueTable's.
int printPoints(const CommandLine& line, Ui& ui, std::ostream& out, std::ostream& errors);

} // namespace vestrano
