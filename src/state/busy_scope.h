#pragma once

#include <cstdint>
#include <utility>

#include "state/plot_state.h"

namespace vestrano {

// Raises `busy` while many values change, so that the redraws in between do nothing, and gives
// back the value it found on every way out: a failure never leaves the picture frozen.
class BusyScope {
  public:
    explicit BusyScope(PlotState& state) : busy_(&state.busy), saved_(state.busy) { *busy_ = 1; }
    // A batch that spans two routines, like the start-up, is handed from one to the other.
    BusyScope(BusyScope&& other) noexcept
        : busy_(std::exchange(other.busy_, nullptr)), saved_(other.saved_) {}
    ~BusyScope() { end(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    BusyScope& operator=(BusyScope&&) = delete;

    // Gives the value back now instead of at the end of the scope.
    void end() {
        if (busy_) {
            *busy_ = saved_;
            busy_ = nullptr;
        }
    }

  private:
    int16_t* busy_;
    int16_t saved_;
};

} // namespace vestrano
