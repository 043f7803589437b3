#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace vestrano {

struct ProgramContext;

// The calculator `minicalc`: an expression in the notation of the terms, its result with the
// current parameters, and the number of decimals. Its close box hides it.
class MiniCalc final : public QWidget {
  public:
    MiniCalc(ProgramContext& ctx, QMdiArea& mdi);

    // The expression, the result and a changed number of decimals as the state says.
    void refresh();
    // Shows the window in front, at the bottom right the first time.
    void bringForward();
    QMdiSubWindow& window() { return *sub_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void calculate();
    void clear();
    void takeDecimals();
    void fitResult();
    void showDecimals();
    bool expressionKey(QEvent* event);
    void decimalsKey(QEvent* event);

    ProgramContext& ctx_;
    QMdiArea& mdi_;
    QMdiSubWindow* sub_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLabel* label1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command2_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* text2_ = nullptr;
    int shownDecimals_ = -1;
    bool placed_ = false;
    bool enterPressedInDecimals_ = false; // Enter went down in Text2, not in a message box
    bool takingDecimals_ = false;
};

} // namespace vestrano
