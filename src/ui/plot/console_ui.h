#pragma once

#include <iostream>

#include "state/silent_ui.h"

namespace vestrano {

// The Ui of a run without windows: messages go to the terminal; questions are answered No
// and dialogs cancelled, so nothing is changed on disk.
class ConsoleUi final : public SilentUi {
  public:
    void message(const std::string& text, const std::string& title, MessageIcon) override {
        std::cerr << title << (title.ends_with(':') ? " " : ": ") << text << '\n';
    }
    bool askYesNo(const std::string& text, const std::string&) override {
        std::cerr << text << " - Nein\n";
        return false;
    }
};

} // namespace vestrano
