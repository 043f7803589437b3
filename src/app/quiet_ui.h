#pragma once

#include <string>

#include "app/ui.h"

namespace vestrano {

// Passes everything on to another Ui but lets only the first `allowed` messages through.
class QuietUi : public Ui {
  public:
    explicit QuietUi(Ui& inner, int allowed = 0) : inner_(inner), allowed_(allowed) {}
    void message(const std::string& text, const std::string& title, MessageIcon icon) override {
        if (allowed_ <= 0) {
            return;
        }
        --allowed_;
        inner_.message(text, title, icon);
    }
    bool askYesNo(const std::string& text, const std::string& title) override {
        return inner_.askYesNo(text, title);
    }
    void setClipboardText(const std::string& text) override { inner_.setClipboardText(text); }
    void changed(Change what) override { inner_.changed(what); }

  private:
    Ui& inner_;
    int allowed_;
};

} // namespace vestrano
