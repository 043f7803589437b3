#pragma once

#include <string>

#include "state/ui.h"

namespace vestrano {

// Passes everything on to another Ui; a filter overrides what it holds back.
class ForwardingUi : public Ui {
  public:
    explicit ForwardingUi(Ui& inner) : inner_(inner) {}

    void message(const std::string& text, const std::string& title, MessageIcon icon) override {
        inner_.message(text, title, icon);
    }
    bool askYesNo(const std::string& text, const std::string& title) override {
        return inner_.askYesNo(text, title);
    }
    void setClipboardText(const std::string& text) override { inner_.setClipboardText(text); }
    std::optional<uint32_t> chooseColor(uint32_t initial) override {
        return inner_.chooseColor(initial);
    }
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& preset) override {
        return inner_.inputBox(prompt, title, preset);
    }
    std::optional<std::string> openFileName(const std::string& title,
                                            const std::string& filter) override {
        return inner_.openFileName(title, filter);
    }
    std::optional<std::string> saveFileName(const std::string& title, const std::string& filter,
                                            const std::string& preset) override {
        return inner_.saveFileName(title, filter, preset);
    }
    void changed(Change what) override { inner_.changed(what); }

  private:
    Ui& inner_;
};

} // namespace vestrano
