#pragma once

#include "ui/lines/row_list_form.h"

class QCheckBox;

namespace vestrano {

// The points window `Punkte`: named points P(x0;y0), each with its colour, and whether dots
// and names are shown and how big the names are. Its close box hides it.
class Punkte final : public RowListForm<PointsWindow> {
  public:
    Punkte(ProgramContext& ctx, QMdiArea& mdi);

  protected:
    void enter() override;
    void removeRows() override;
    void recolour(int k) override;
    void renderBoxes() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildOwn();

    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QLineEdit* text2_ = nullptr;
    int shownSize_ = -1;
};

} // namespace vestrano
