#pragma once

#include <string>
#include <utility>

#include "app/once_messages.h"
#include "app/ui.h"

namespace vestrano {

// Passes everything on to another Ui, but each message only once for the given cause.
class OnceUi final : public Ui {
  public:
    OnceUi(Ui& inner, OnceMessages& memo, std::string cause)
        : inner_(inner), memo_(memo), cause_(std::move(cause)) {}

    void message(const std::string& text, const std::string& title, MessageIcon icon) override {
        if (memo_.admit(cause_, text)) {
            inner_.message(text, title, icon);
        }
    }
    bool askYesNo(const std::string& text, const std::string& title) override {
        return inner_.askYesNo(text, title);
    }
    void setClipboardText(const std::string& text) override { inner_.setClipboardText(text); }
    void changed(Change what) override { inner_.changed(what); }

  private:
    Ui& inner_;
    OnceMessages& memo_;
    std::string cause_;
};

} // namespace vestrano
