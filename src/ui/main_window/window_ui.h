#pragma once

#include <functional>

#include "state/ui.h"

namespace vestrano {

// The Ui the core talks to while the windows are up: dialogs and the clipboard go to
// `dialogs` (Qt's, or a scripted one in tests), changes of the state to the windows.
class WindowUi final : public Ui {
  public:
    WindowUi(Ui& dialogs, std::function<void(Change)> onChange)
        : dialogs_(dialogs), onChange_(std::move(onChange)) {}

    void message(const std::string& text, const std::string& title, MessageIcon icon) override {
        dialogs_.message(text, title, icon);
    }
    bool askYesNo(const std::string& text, const std::string& title) override {
        return dialogs_.askYesNo(text, title);
    }
    void setClipboardText(const std::string& text) override { dialogs_.setClipboardText(text); }
    std::optional<uint32_t> chooseColor(uint32_t initial) override {
        return dialogs_.chooseColor(initial);
    }
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& preset) override {
        return dialogs_.inputBox(prompt, title, preset);
    }
    std::optional<std::string> openFileName(const std::string& title,
                                            const std::string& filter) override {
        return dialogs_.openFileName(title, filter);
    }
    std::optional<std::string> saveFileName(const std::string& title, const std::string& filter,
                                            const std::string& preset) override {
        return dialogs_.saveFileName(title, filter, preset);
    }
    void changed(Change what) override {
        dialogs_.changed(what);
        onChange_(what);
    }

  private:
    Ui& dialogs_;
    std::function<void(Change)> onChange_;
};

} // namespace vestrano
