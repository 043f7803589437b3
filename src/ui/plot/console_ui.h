#pragma once

#include <iostream>

#include "state/ui.h"

namespace vestrano {

// The Ui of a run without windows: messages go to the terminal; questions are answered No
// and dialogs cancelled, so nothing is changed on disk.
class ConsoleUi final : public Ui {
  public:
    void message(const std::string& text, const std::string& title, MessageIcon) override {
        std::cerr << title << (title.ends_with(':') ? " " : ": ") << text << '\n';
    }
    bool askYesNo(const std::string& text, const std::string&) override {
        std::cerr << text << " - Nein\n";
        return false;
    }
    void setClipboardText(const std::string&) override {}
    std::optional<uint32_t> chooseColor(uint32_t) override { return std::nullopt; }
    std::optional<std::string> inputBox(const std::string&, const std::string&,
                                        const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> openFileName(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFileName(const std::string&, const std::string&,
                                            const std::string&) override {
        return std::nullopt;
    }
    void changed(Change) override {}
};

} // namespace vestrano
