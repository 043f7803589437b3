#pragma once

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace vestrano {

struct ProgramContext;

// What the three option dialogs share: a tool window that lives for the whole run and is
// hidden by its close box and by "Schließen", and boxes whose typing goes straight into the
// state's box texts, read by the core only when the user takes them over.
class OptionWindow : public QWidget {
  public:
    // Shows the window in front, with the boxes as the state says.
    void bringForward();
    // Renders the state; a box is only written when the program changed its text.
    virtual void refresh();
    QMdiSubWindow& window() { return *sub_; }

  protected:
    // `shown` is the state's flag of this dialog, kept in step with the window.
    OptionWindow(ProgramContext& ctx, QMdiArea& mdi, const char* name, const char* caption,
                 bool& shown);

    QLabel* addLabel(const char* name, const char* text);
    QLineEdit* addBox(const char* name, std::string& text);
    QPushButton* addButton(const char* name, const char* caption, std::function<void()> action);
    QPushButton* addCloseButton();
    // The controls in `grid`, the buttons in a row below them; then the boxes are filled.
    void arrange(QGridLayout* grid, std::initializer_list<QPushButton*> buttons);
    bool eventFilter(QObject* watched, QEvent* event) override;

    ProgramContext& ctx_;

  private:
    QMdiArea& mdi_;
    QMdiSubWindow* sub_ = nullptr;
    bool& shown_;
    bool placed_ = false;
    std::vector<std::pair<QLineEdit*, const std::string*>> boxes_;
};

} // namespace vestrano
