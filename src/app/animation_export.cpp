#include "app/animation_export.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "analysis/table_rows.h"
#include "app/command_line.h"
#include "app/graph_resize.h"
#include "params/animation_frames.h"
#include "params/param_arithmetic.h"
#include "params/param_list.h"
#include "settings/text_file.h"
#include "state/busy_scope.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/quiet_ui.h"

namespace vestrano {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::optional<double> boxOr(PlotState& state, Ui& ui, const std::string& text, double bound) {
    if (text.find_first_not_of(' ') == std::string::npos) {
        return bound;
    }
    return termBoxValue(state, ui, text);
}

// Colours 0xRRGGBB that stay exact in every frame: the background, black, and the pens.
std::vector<uint32_t> plotColours(const PlotState& state) {
    std::vector<uint32_t> colours{0xffffff, 0x000000};
    for (const PenSpec& pen : state.style.penSpecs) {
        const auto c = static_cast<uint32_t>(pen.color);
        colours.push_back((c & 0xff) << 16 | (c & 0xff00) | (c >> 16 & 0xff));
    }
    return colours;
}

// Every frame drawn into the encoder; empty when the run was stopped.
Result<std::optional<std::string>> drawFrames(ProgramContext& ctx, const AnimationPlan& plan,
                                              const FrameDrawer& draw,
                                              const FrameProgress& progress) {
    const std::vector<uint32_t> keep = plotColours(ctx.state);
    // The values were checked; nothing is to be told while they are set.
    QuietUi quiet(ctx.ui);
    ProgramContext quietCtx{ctx.state, quiet, ctx.hooks, ctx.calculatorFollows};
    std::optional<GifEncoder> encoder;
    const int total = static_cast<int>(plan.values.size());
    for (int i = 0; i < total; ++i) {
        {
            // As a timer step: the screen is not drawn for it.
            BusyScope batch(ctx.state);
            double v = plan.values[static_cast<std::size_t>(i)];
            setpar(quietCtx, plan.slot, v);
        }
        const FramePicture frame = draw(ctx);
        if (!encoder) {
            encoder.emplace(frame.width, frame.height);
        }
        if (Status added = encoder->add(frame, keep, plan.delays[static_cast<std::size_t>(i)]);
            !added.ok()) {
            return fail(added.reason());
        }
        if (progress && !progress(i + 1, total)) {
            return std::optional<std::string>();
        }
    }
    if (!encoder) {
        return fail("Das GIF-Bild kann nicht erzeugt werden: es hat kein Bild.");
    }
    auto bytes = encoder->finish();
    if (!bytes.ok()) {
        return fail(bytes.reason());
    }
    return std::optional<std::string>(std::move(bytes).value());
}

// The pictures' own size for the run, and the drawing area's size and sample counts back
// afterwards.
class AreaForRun {
  public:
    AreaForRun(ProgramContext& ctx, const AnimationPlan& plan)
        : ctx_(ctx), view_(ctx.state.view), resized_(plan.width > 0 && plan.height > 0) {
        std::copy(ctx.state.params.begin() + kFirstCountParam,
                  ctx.state.params.begin() + kLastCountParam + 1, counts_.begin());
        if (resized_) {
            const Viewport& v = view_;
            const BusyScope batch(ctx.state);
            graphResize(ctx, plan.width * v.tppx, plan.height * v.tppy, v.tppx, v.tppy);
        }
    }
    ~AreaForRun() {
        if (!resized_) {
            return;
        }
        {
            const BusyScope batch(ctx_.state);
            graphResize(ctx_, view_.picw, view_.pich, view_.tppx, view_.tppy);
            for (int s = kFirstCountParam; s <= kLastCountParam; ++s) {
                const ParamEntry& saved = counts_[static_cast<std::size_t>(s - kFirstCountParam)];
                double v = saved.parvalue;
                setpar(ctx_, s, v);
                ctx_.state.params[s] = saved;
            }
        }
        redrawGraph(ctx_);
    }
    AreaForRun(const AreaForRun&) = delete;
    AreaForRun& operator=(const AreaForRun&) = delete;

  private:
    ProgramContext& ctx_;
    Viewport view_;
    std::array<ParamEntry, kLastCountParam - kFirstCountParam + 1> counts_;
    bool resized_;
};

} // namespace

Result<int> pictureSide(std::string_view text, const std::string& name) {
    return wholeNumberIn(text, 16, 10000, name);
}

std::vector<int> animatableSlots(const PlotState& state) {
    std::vector<int> found;
    for (int s = 0; s < kParamCount; ++s) {
        if (listed(state, s)) {
            found.push_back(s);
        }
    }
    return found;
}

int animatableSlot(const PlotState& state, std::string_view name) {
    for (const int s : animatableSlots(state)) {
        if (sameName(state.params[s].parname, name)) {
            return s;
        }
    }
    return -1;
}

Result<AnimationPlan> planAnimation(PlotState& state, Ui& ui, int slot,
                                    const AnimationRequest& request, const AnimationNames& names) {
    const ParamEntry& p = state.params[slot];
    const std::optional<double> from = boxOr(state, ui, request.from, p.parmin);
    if (!from) {
        return unreadableBox(names.from);
    }
    const std::optional<double> to = boxOr(state, ui, request.to, p.parmax);
    if (!to) {
        return unreadableBox(names.to);
    }
    const auto frames = wholeNumberIn(request.frames, kFewestFrames, kMostFrames, names.frames);
    if (!frames.ok()) {
        return fail(frames.reason());
    }
    const auto fps =
        wholeNumberIn(request.fps, kFewestFramesPerSecond, kMostFramesPerSecond, names.fps);
    if (!fps.ok()) {
        return fail(fps.reason());
    }
    for (const double bound : {*from, *to}) {
        if (Status allowed = allowedValue(state, slot, bound); !allowed.ok()) {
            return fail(allowed.reason());
        }
    }
    AnimationPlan plan{slot, frameValues(*from, *to, frames.value(), request.bounce), {}};
    plan.delays = frameDelays(fps.value(), plan.values.size());
    return plan;
}

Result<AnimationEnd> saveAnimation(ProgramContext& ctx, const AnimationPlan& plan,
                                   const std::string& path, const FrameDrawer& draw,
                                   const FrameProgress& progress) {
    const ParamEntry saved = ctx.state.params[plan.slot];
    const AreaForRun area(ctx, plan);
    const auto bytes = drawFrames(ctx, plan, draw, progress);
    {
        double v = saved.parvalue;
        QuietUi quiet(ctx.ui);
        ProgramContext quietCtx{ctx.state, quiet, ctx.hooks, ctx.calculatorFollows};
        setpar(quietCtx, plan.slot, v);
        ctx.state.params[plan.slot] = saved;
    }
    if (!bytes.ok()) {
        return fail(notWrittenText(path, bytes.reason()));
    }
    if (!bytes.value()) {
        return AnimationEnd::Cancelled;
    }
    if (Status written = writeFileAtomically(path, *bytes.value()); !written.ok()) {
        return fail(notWrittenText(path, written.reason()));
    }
    return AnimationEnd::Written;
}

} // namespace vestrano
