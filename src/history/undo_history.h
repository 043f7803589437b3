#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "history/plot_snapshot.h"
#include "state/user_step.h"

namespace vestrano {

struct Hooks;

struct HistoryLimits {
    std::size_t steps = 200;              // undo steps kept; the oldest go first
    std::size_t bytes = 10 * 1024 * 1024; // snapshots of both stacks together
};

// The user's steps as the plot before each, to undo, and the steps undone, to redo. A step
// that changed nothing is not kept; steps begun inside a step belong to it, and while a
// snapshot is being restored nothing is recorded.
class UndoHistory {
  public:
    using Restore = std::function<void(const PlotSnapshot&)>;

    explicit UndoHistory(HistoryLimits limits = {}) : limits_(limits) {}

    // An unnamed step is a press to its release (a drag), named by the first step begun in it;
    // a press while one is open ends that one first.
    void begin(const PlotState& state, UserStep step);
    void end(const PlotState& state);
    // A run (the timer) keeps the plot before its first tick and ends when the next step
    // begins or something is undone.
    void run(const PlotState& state, UserStep step);

    // Ends what is open, keeps the plot as it is for the other direction and restores the
    // plot before the last step (after the last undone one). False when there is none.
    bool undo(const PlotState& state, const Restore& restore);
    bool redo(const PlotState& state, const Restore& restore);

    // "Rückgängig: Zoom", or "Rückgängig" when there is nothing to undo; the same for redo.
    std::string undoCaption() const;
    std::string redoCaption() const;
    bool canUndo() const { return run_ || !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::size_t undoSteps() const { return undo_.size(); }
    std::size_t bytes() const { return bytes_; }
    // Counts the steps kept, so that the menu's captions follow.
    std::size_t revision() const { return revision_; }

  private:
    struct Step {
        std::string name;
        PlotSnapshot plot;
        std::size_t bytes = 0;
    };
    struct Open {
        UserStep step;
        PlotSnapshot before;
    };

    void commit(const Open& open, const PlotState& state);
    void closeAll(const PlotState& state);
    bool travel(std::deque<Step>& from, std::deque<Step>& to, const PlotState& state,
                const Restore& restore);
    void push(std::deque<Step>& stack, std::string name, PlotSnapshot plot);
    void dropOldest(std::deque<Step>& stack);
    void trim();

    HistoryLimits limits_;
    std::deque<Step> undo_; // the latest at the back
    std::deque<Step> redo_;
    std::optional<Open> open_;
    std::optional<Open> run_;
    int depth_ = 0;
    bool restoring_ = false;
    std::size_t bytes_ = 0;
    std::size_t revision_ = 0;
};

// The context's step hook records into `history`, and a kept step refreshes the menu.
void connectHistory(Hooks& hooks, UndoHistory& history);

} // namespace vestrano
