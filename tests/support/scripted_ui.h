#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "state/ui.h"

namespace vestrano {

// Records every message and answers questions from a queue (No when it runs dry).
class ScriptedUi : public Ui {
  public:
    struct Message {
        std::string text;
        std::string title;
        MessageIcon icon;

        bool operator==(const Message&) const = default;
    };

    std::vector<Message> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::string clipboard;
    std::deque<std::optional<uint32_t>> colors; // answers of the colour chooser; Cancel when dry
    std::vector<uint32_t> colorsOffered;
    // Answers of the input box and the file dialogs, in order; Cancel when dry.
    std::deque<std::optional<std::string>> inputs;
    std::deque<std::optional<std::string>> fileNames;
    std::vector<std::string> dialogTitles; // of every input box and file dialog shown
    std::vector<Change> changes;
    // Runs while a message is "open", as a real box would move the focus.
    std::function<void()> whileShown;

    void message(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
        if (whileShown) {
            whileShown();
        }
    }
    bool askYesNo(const std::string& text, const std::string&) override {
        questions.push_back(text);
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    std::optional<uint32_t> chooseColor(uint32_t initial) override {
        colorsOffered.push_back(initial);
        if (colors.empty()) {
            return std::nullopt;
        }
        const auto answer = colors.front();
        colors.pop_front();
        return answer;
    }
    std::optional<std::string> inputBox(const std::string&, const std::string& title,
                                        const std::string&) override {
        return next(inputs, title);
    }
    std::optional<std::string> openFileName(const std::string& title, const std::string&) override {
        return next(fileNames, title);
    }
    std::optional<std::string> saveFileName(const std::string& title, const std::string&,
                                            const std::string&) override {
        return next(fileNames, title);
    }
    void changed(Change what) override { changes.push_back(what); }

  private:
    std::optional<std::string> next(std::deque<std::optional<std::string>>& answers,
                                    const std::string& title) {
        dialogTitles.push_back(title);
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

using Messages = std::vector<ScriptedUi::Message>;

inline void PrintTo(const ScriptedUi::Message& m, std::ostream* out) {
    *out << '"' << m.title << "\": \"" << m.text << "\" (icon " << static_cast<int>(m.icon) << ')';
}

} // namespace vestrano
