#pragma once

#include <QObject>

class QWidget;

#include <functional>

namespace vestrano {

// F1 anywhere in the program, a modal dialog included, asks for the help of the control that
// receives the key, which is the one with the focus.
class HelpKey final : public QObject {
  public:
    explicit HelpKey(std::function<void(const QWidget*)> onHelp);
    ~HelpKey() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const QWidget*)> onHelp_;
};

} // namespace vestrano
