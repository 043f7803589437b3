#pragma once

#include <QWidget>

#include <array>
#include <optional>

#include "state/collection_table.h"
#include "ui/main_window/child_window_binding.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMdiArea;
class QMdiSubWindow;
class QPlainTextEdit;
class QPushButton;

namespace vestrano {

struct ProgramContext;

// The collection window: the entries of the mode's section, the selected entry's texts in
// boxes, and the editing buttons. Its close box hides it, so the boxes keep their texts.
class Sammlung final : public QWidget {
  public:
    Sammlung(ProgramContext& ctx, QMdiArea& mdi);

    // List, boxes, labels, view and visibility as the state says; boxes only when the program
    // rewrote them.
    void sync();
    QMdiSubWindow& window() { return *sub_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildList();
    void buildBoxes();
    void buildButtons();
    void renderList();
    void renderBoxes();
    void renderLabels();
    void renderView();
    std::optional<DetailBox> detailBox(QObject* watched) const;
    void boxText(int j);

    ProgramContext& ctx_;
    QMdiSubWindow* sub_ = nullptr;
    std::optional<ChildWindowBinding> place_;
    QListWidget* list_ = nullptr;
    std::array<QPlainTextEdit*, 6> txt_{};
    std::array<QLineEdit*, 3> dicke_{};
    std::array<QLabel*, 3> labdicke_{};
    std::array<QLabel*, 6> boxLabels_{}; // Label2, Label4, Label5, Label6, Label8
    QLabel* label3_ = nullptr;
    QLabel* label7_ = nullptr;
    QLabel* label9_ = nullptr;
    QCheckBox* check1_ = nullptr;
    int renderedRevision_ = -1;
    int renderedExtended_ = -1;
    bool applying_ = false; // the program is putting the state on the window
};

} // namespace vestrano
