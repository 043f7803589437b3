#pragma once

#include "state/program_context.h"

namespace vestrano {

// Counts the redraws it is asked for and draws nothing.
class CountingRedrawer final : public Redrawer {
  public:
    void redraw() override { ++count; }
    int count = 0;
};

} // namespace vestrano
