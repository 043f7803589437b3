#pragma once

#include <functional>

#include "state/forwarding_ui.h"

namespace vestrano {

// The Ui the core talks to while the windows are up: dialogs and the clipboard go to
// `dialogs` (Qt's, or a scripted one in tests), changes of the state to the windows too.
class WindowUi final : public ForwardingUi {
  public:
    WindowUi(Ui& dialogs, std::function<void(Change)> onChange)
        : ForwardingUi(dialogs), onChange_(std::move(onChange)) {}

    void changed(Change what) override {
        ForwardingUi::changed(what);
        onChange_(what);
    }

  private:
    std::function<void(Change)> onChange_;
};

} // namespace vestrano
