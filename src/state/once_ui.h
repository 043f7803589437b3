#pragma once

#include <string>
#include <utility>

#include "state/forwarding_ui.h"
#include "state/once_messages.h"

namespace vestrano {

// Passes everything on to another Ui, but each message only once for the given cause.
class OnceUi final : public ForwardingUi {
  public:
    OnceUi(Ui& inner, OnceMessages& memo, std::string cause)
        : ForwardingUi(inner), memo_(memo), cause_(std::move(cause)) {}

    void message(const std::string& text, const std::string& title, MessageIcon icon) override {
        if (memo_.admit(cause_, text)) {
            ForwardingUi::message(text, title, icon);
        }
    }

  private:
    OnceMessages& memo_;
    std::string cause_;
};

} // namespace vestrano
