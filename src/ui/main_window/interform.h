#pragma once

#include <QWidget>

#include <array>
#include <optional>

#include "state/interval_window.h"
#include "ui/main_window/child_window_binding.h"

class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace vestrano {

struct ProgramContext;

// The intervals window: a lower and an upper bound box for x, y and t and for the drawing
// restrictions of f, g and h, the "Standard" buttons and "Übernehmen", "1:1", "Schließen".
// Its close box hides it, so that the typed restrictions stay.
class InterForm final : public QWidget {
  public:
    InterForm(ProgramContext& ctx, QMdiArea& mdi);

    // Boxes, rows of the mode, place and visibility as the state says. The boxes are only
    // written when the program changed them, never under the user's typing.
    void sync();
    QMdiSubWindow& window() { return *sub_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildRow(int i);
    void buildHeadings();
    void buildButtons();
    void renderTexts();
    void renderMode();
    void renderColours();
    void aspectReleased(QObject* button, QEvent* event);

    ProgramContext& ctx_;
    QMdiSubWindow* sub_ = nullptr;
    std::optional<ChildWindowBinding> place_;
    std::array<QLineEdit*, kIntervalRows> von_{};
    std::array<QLineEdit*, kIntervalRows> bis_{};
    std::array<QLabel*, kIntervalRows> label4_{};
    std::array<QPushButton*, 3> command1_{};
    QLabel* label5_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command6_ = nullptr;
    int renderedRevision_ = -1;
    int renderedMode_ = -1;
};

} // namespace vestrano
