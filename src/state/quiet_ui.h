#pragma once

#include <string>

#include "state/forwarding_ui.h"

namespace vestrano {

// Passes everything on to another Ui but lets only the first `allowed` messages through.
class QuietUi final : public ForwardingUi {
  public:
    explicit QuietUi(Ui& inner, int allowed = 0) : ForwardingUi(inner), allowed_(allowed) {}
    void message(const std::string& text, const std::string& title, MessageIcon icon) override {
        if (allowed_ <= 0) {
            return;
        }
        --allowed_;
        ForwardingUi::message(text, title, icon);
    }

  private:
    int allowed_;
};

} // namespace vestrano
