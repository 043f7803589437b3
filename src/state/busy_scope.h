#pragma once

#include <cstdint>

#include "state/plot_state.h"

namespace vestrano {

// Raises `busy` while many values change, so that the redraws in between do nothing, and gives
// back the value it found on every way out: a failure never leaves the picture frozen.
class BusyScope {
  public:
    explicit BusyScope(PlotState& state) : busy_(state.busy), saved_(state.busy) { busy_ = 1; }
    ~BusyScope() { busy_ = saved_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    int16_t& busy_;
    int16_t saved_;
};

} // namespace vestrano
