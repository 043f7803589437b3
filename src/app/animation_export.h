#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "plot/gif_encoder.h"
#include "state/result.h"

namespace vestrano {

struct AnimationRequest;
struct PlotState;
struct ProgramContext;
class Ui;

// The parameters an animation can run: those of the parameter list, in its order.
std::vector<int> animatableSlots(const PlotState& state);

// The slot of the animatable parameter called `name` (in any case); -1 when there is none.
int animatableSlot(const PlotState& state, std::string_view name);

// How a refusal names the boxes: the dialog's captions, or the command line's options.
struct AnimationNames {
    std::string from = "\"von\"";
    std::string to = "\"bis\"";
    std::string frames = "\"Bilder\"";
    std::string fps = "\"Bilder pro Sekunde\"";
};

// A run checked and ready: the parameter's value and the delay of every frame.
struct AnimationPlan {
    int slot = -1;
    std::vector<double> values;
    std::vector<int> delays; // hundredths of a second
    // The pictures' size in pixels; 0: the drawing area's.
    int width = 0;
    int height = 0;
};

// A side of the pictures typed into the box `name`: 16 to 10000 pixels.
Result<int> pictureSide(std::string_view text, const std::string& name);

// The request's texts read for slot `slot`: "von" and "bis" are terms (empty: the parameter's
// bounds), 2..1000 frames, 1..50 frames per second. Refused with a German reason naming the box.
Result<AnimationPlan> planAnimation(PlotState& state, Ui& ui, int slot,
                                    const AnimationRequest& request,
                                    const AnimationNames& names = {});

// Draws the graph as it now stands into a picture, through the screen's routine.
using FrameDrawer = std::function<FramePicture(ProgramContext&)>;
// Told after each frame; false stops the run.
using FrameProgress = std::function<bool(int done, int total)>;

enum class AnimationEnd { Written, Cancelled };

// Runs the parameter through the plan's values, each set as a timer step sets it, draws every
// frame and writes the GIF to `path` in one step. A size of its own is drawn as an export of
// that size (one sample per pixel column unless the counts are kept). Afterwards the parameter,
// the drawing area and the sample counts are as they were and the screen shows what it showed;
// a cancelled or failed run leaves no file.
Result<AnimationEnd> saveAnimation(ProgramContext& ctx, const AnimationPlan& plan,
                                   const std::string& path, const FrameDrawer& draw,
                                   const FrameProgress& progress = {});

} // namespace vestrano
