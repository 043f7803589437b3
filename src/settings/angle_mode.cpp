#include "settings/angle_mode.h"

#include "state/plot_state.h"

namespace vestrano {

void setAngleMode(PlotState& state, int m) {
    if (m < 1 || m > 3) {
        return;
    }
    state.options.anglemode = static_cast<float>(m);
    state.engine.ucSetTrigMode(m);
}

} // namespace vestrano
