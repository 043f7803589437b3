#include "history/undo_history.h"

#include <utility>

#include "history/step_names.h"
#include "state/program_context.h"
#include "state/ui.h"

namespace vestrano {

namespace {

std::string caption(const char* verb, const std::string& name) {
    return name.empty() ? verb : std::string(verb) + ": " + name;
}

} // namespace

void UndoHistory::begin(const PlotState& state, UserStep step) {
    if (restoring_) {
        return;
    }
    // Only a press begins an unnamed step; one still open lost its release (a message box
    // took it) and ends here rather than swallow every step that follows.
    if (step == UserStep::Unnamed && depth_ > 0) {
        closeAll(state);
    }
    if (depth_++ > 0) {
        if (open_->step == UserStep::Unnamed) {
            open_->step = step;
        }
        return;
    }
    if (run_) {
        commit(*std::exchange(run_, std::nullopt), state);
    }
    open_ = Open{step, takeSnapshot(state)};
}

void UndoHistory::end(const PlotState& state) {
    if (restoring_ || depth_ == 0 || --depth_ > 0) {
        return;
    }
    commit(*std::exchange(open_, std::nullopt), state);
}

void UndoHistory::run(const PlotState& state, UserStep step) {
    if (!restoring_ && depth_ == 0 && !run_) {
        run_ = Open{step, takeSnapshot(state)};
        ++revision_;
    }
}

void UndoHistory::commit(const Open& open, const PlotState& state) {
    PlotSnapshot after = takeSnapshot(state);
    if (open.before == after) {
        return;
    }
    ++revision_;
    push(undo_, stepName(open.step, open.before, after), open.before);
    while (!redo_.empty()) {
        dropOldest(redo_);
    }
    trim();
}

void UndoHistory::closeAll(const PlotState& state) {
    if (run_) {
        commit(*std::exchange(run_, std::nullopt), state);
    }
    if (open_) {
        commit(*std::exchange(open_, std::nullopt), state);
    }
    depth_ = 0;
}

bool UndoHistory::undo(const PlotState& state, const Restore& restore) {
    if (restoring_) {
        return false;
    }
    closeAll(state);
    return travel(undo_, redo_, state, restore);
}

bool UndoHistory::redo(const PlotState& state, const Restore& restore) {
    if (restoring_) {
        return false;
    }
    closeAll(state);
    return travel(redo_, undo_, state, restore);
}

bool UndoHistory::travel(std::deque<Step>& from, std::deque<Step>& to, const PlotState& state,
                         const Restore& restore) {
    if (from.empty()) {
        return false;
    }
    Step step = std::move(from.back());
    from.pop_back();
    bytes_ -= step.bytes;
    push(to, step.name, takeSnapshot(state));
    trim();
    ++revision_;
    restoring_ = true;
    // Nothing the restoring roads begin is recorded, also when one of them throws.
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{restoring_};
    restore(step.plot);
    return true;
}

// A run still going is what an undo takes back first.
std::string UndoHistory::undoCaption() const {
    if (run_) {
        return caption("Rückgängig", stepName(run_->step, run_->before, run_->before));
    }
    return caption("Rückgängig", undo_.empty() ? std::string() : undo_.back().name);
}

std::string UndoHistory::redoCaption() const {
    return caption("Wiederholen", redo_.empty() ? std::string() : redo_.back().name);
}

void UndoHistory::push(std::deque<Step>& stack, std::string name, PlotSnapshot plot) {
    const std::size_t bytes = snapshotBytes(plot) + name.capacity();
    bytes_ += bytes;
    stack.push_back({std::move(name), std::move(plot), bytes});
}

void UndoHistory::dropOldest(std::deque<Step>& stack) {
    bytes_ -= stack.front().bytes;
    stack.pop_front();
}

// The oldest undo steps go first, then the farthest redo steps.
void UndoHistory::trim() {
    while (undo_.size() > limits_.steps) {
        dropOldest(undo_);
    }
    while (bytes_ > limits_.bytes && !undo_.empty()) {
        dropOldest(undo_);
    }
    while (bytes_ > limits_.bytes && !redo_.empty()) {
        dropOldest(redo_);
    }
}

void connectHistory(Hooks& hooks, UndoHistory& history) {
    hooks.step = [&history](ProgramContext& ctx, UserStep step, StepEdge edge) {
        const std::size_t revision = history.revision();
        switch (edge) {
        case StepEdge::Begin:
            history.begin(ctx.state, step);
            break;
        case StepEdge::End:
            history.end(ctx.state);
            break;
        case StepEdge::Run:
            history.run(ctx.state, step);
            break;
        }
        if (history.revision() != revision) {
            ctx.ui.changed(Change::Menu);
        }
    };
}

} // namespace vestrano
