#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "state/result.h"

namespace vestrano {

inline constexpr int kFewestFrames = 2;
inline constexpr int kMostFrames = 1000;
inline constexpr int kFewestFramesPerSecond = 1;
inline constexpr int kMostFramesPerSecond = 50;

// A whole number from `lowest` to `highest` typed into the box or option `name`; refused with
// a German reason naming it.
Result<int> wholeNumberIn(std::string_view text, int lowest, int highest, const std::string& name);

// The parameter's value in each frame of a run from `from` to `to` in `frames` values: the
// i-th is from + i * d with the step d = (to - from) / (frames - 1), put on the decimal grid as
// a timer step is, and the last is `to` itself. With `bounce` the run goes back again, without
// showing either end twice, so that the loop joins without a stop.
std::vector<double> frameValues(double from, double to, int frames, bool bounce);

// How long each of `count` frames is shown, in the hundredths of a second a GIF counts: the
// times add up to the frame rate's exactly as far as whole hundredths allow (30 per second
// gives 3, 4, 3, 3, 4, 3, ...), so a run lasts as long as it should.
std::vector<int> frameDelays(int framesPerSecond, std::size_t count);

} // namespace vestrano
