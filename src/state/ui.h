#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vestrano {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

// Which part of the state changed, so a window re-renders only that.
enum class Change {
    Terms,
    Status,
    Parameters,
    Picture,
    Collection,
    Menu,
    Calculator,
    Layout,
    Options,
    Lines,      // the lines window's rows or boxes
    Points,     // the points window's rows, boxes or check boxes
    CurvePoints // the points of interest found anew, or their window shown or closed
};

// The core's only road to dialogs, the clipboard and the windows.
class Ui {
  public:
    virtual ~Ui() = default;
    virtual void message(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // True for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    // The colour chooser with `initial` preselected and its custom part open; empty on Cancel.
    virtual std::optional<uint32_t> chooseColor(uint32_t initial) = 0;
    // The input box with `preset` in its line; empty on Cancel.
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& preset) = 0;
    // The file dialogs; `filter` as "Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*"; empty on
    // Cancel.
    virtual std::optional<std::string> openFileName(const std::string& title,
                                                    const std::string& filter) = 0;
    virtual std::optional<std::string> saveFileName(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& preset) = 0;
    virtual void changed(Change what) = 0;
};

} // namespace vestrano
