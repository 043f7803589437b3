#pragma once

#include <string>

#include "app/ui.h"

namespace vestrano {

// Passes everything on to another Ui except messages, which it drops.
class QuietUi : public Ui {
  public:
    explicit QuietUi(Ui& inner) : inner_(inner) {}
    void message(const std::string&, const std::string&, MessageIcon) override {}
    bool askYesNo(const std::string& text, const std::string& title) override {
        return inner_.askYesNo(text, title);
    }
    void setClipboardText(const std::string& text) override { inner_.setClipboardText(text); }
    void changed(Change what) override { inner_.changed(what); }

  private:
    Ui& inner_;
};

} // namespace vestrano
