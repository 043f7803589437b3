#pragma once

#include <string>

#include "state/ui.h"

namespace vestrano {

// A Ui that shows nothing: questions are answered No and dialogs cancelled, so nothing is
// changed on disk.
class SilentUi : public Ui {
  public:
    void message(const std::string&, const std::string&, MessageIcon) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
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
