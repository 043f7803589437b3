#pragma once

#include <iosfwd>

namespace vestrano {

struct AnimationRequest;
struct ExportRequest;

// "vestrano --export": the entry drawn into the picture file without a window. Needs a Qt
// application (offscreen will do). Returns the exit status; the reason for a failure goes to
// `errors` in German.
int exportPicture(const ExportRequest& request, std::ostream& errors);

// "vestrano --export NAME.gif ... --animate PARAMETER": the parameter's run as an animated GIF.
// Exit status 0 done; 1 when the entry cannot be drawn, has no such parameter or the file
// cannot be written; 2 when "von" or "bis" cannot be read or lie outside what the parameter
// may take.
int exportAnimation(const ExportRequest& request, const AnimationRequest& animation,
                    std::ostream& errors);

} // namespace vestrano
