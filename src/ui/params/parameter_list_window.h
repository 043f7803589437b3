#pragma once

#include <QWidget>

#include <optional>

#include "params/param_list.h"
#include "ui/main_window/child_window_binding.h"

class QListWidget;
class QListWidgetItem;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace vestrano {

struct ProgramContext;

// The parameter list `Parameter`: a check box per parameter in use that shows or hides its
// window, and the button `Command1` that checks or clears them all. Its close box hides it.
class ParameterList final : public QWidget {
  public:
    ParameterList(ProgramContext& ctx, QMdiArea& mdi);

    // Rows, checks, button caption, place and visibility as the state says.
    void sync();
    // Widths of names in the list's font, in twips.
    NameWidth nameWidth() const;
    QMdiSubWindow& window() { return *sub_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void renderRows();
    void rowChanged(QListWidgetItem* item);
    void closed();
    int rowPixels() const;

    ProgramContext& ctx_;
    QMdiArea& mdi_;
    QMdiSubWindow* sub_ = nullptr;
    std::optional<ChildWindowBinding> place_;
    QPushButton* command1_ = nullptr;
    QListWidget* list1_ = nullptr;
};

} // namespace vestrano
