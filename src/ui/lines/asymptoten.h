#pragma once

#include "ui/lines/row_list_form.h"

class QLabel;

namespace vestrano {

// The lines window `Asymptoten` ("Zusätzliche Geraden"): equations x=a or y=m*x+t, each with
// its colour and line type. Its close box hides it, so that the list stays.
class Asymptoten final : public RowListForm<LinesWindow> {
  public:
    Asymptoten(ProgramContext& ctx, QMdiArea& mdi);

  protected:
    void enter() override;
    void removeRows() override;
    void recolour(int k) override;
    void renderBoxes() override;
    void placeRowExtras(int k, int y, bool shown) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildOwn();

    std::array<QLineEdit*, kRowControls> text1_{};
    QLabel* picture1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    int shownAstil_ = -1;
    int32_t shownColor_ = -1;
    bool taking_ = false; // a box's value is being taken; its message moves the focus
};

} // namespace vestrano
