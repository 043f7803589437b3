#pragma once

#include <iosfwd>

namespace vestrano {

struct ExportRequest;

// "vestrano --export": the entry drawn into the picture file without a window. Needs a Qt
// application (offscreen will do). Returns the exit status; the reason for a failure goes to
// `errors` in German.
int exportPicture(const ExportRequest& request, std::ostream& errors);

} // namespace vestrano
