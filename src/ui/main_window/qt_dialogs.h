#pragma once

#include <QWidget>

#include "state/ui.h"

namespace vestrano {

struct FileNames;

// Message boxes, questions and the clipboard through Qt. Window changes are not its
// business: WindowUi passes them to the windows.
class QtDialogs final : public Ui {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }
    // The file dialogs open in the folder of the collection named there.
    void setFiles(const FileNames* files) { files_ = files; }

    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    void setClipboardText(const std::string& text) override;
    std::optional<uint32_t> chooseColor(uint32_t initial) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& preset) override;
    std::optional<std::string> openFileName(const std::string& title,
                                            const std::string& filter) override;
    std::optional<std::string> saveFileName(const std::string& title, const std::string& filter,
                                            const std::string& preset) override;
    void changed(Change) override {}

  private:
    QString startFolder() const;

    QWidget* parent_ = nullptr;
    const FileNames* files_ = nullptr;
};

} // namespace vestrano
