#pragma once

#include <QWidget>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTableWidget;

namespace vestrano {

struct ProgramContext;

// The window "Kurvenpunkte": the points of interest of the drawn graphs as a table (graph,
// kind, x, y), a line that counts them, and "Kopieren". It follows every redraw; its close box
// hides it.
class Kurvenpunkte final : public QWidget {
  public:
    Kurvenpunkte(ProgramContext& ctx, QMdiArea& mdi);

    // Rows, status line and visibility as the state says; the rows only when found anew.
    void sync();
    void bringForward(QMdiArea& mdi);
    QMdiSubWindow& window() { return *sub_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void renderRows();

    ProgramContext& ctx_;
    QMdiSubWindow* sub_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* status_ = nullptr;
    int renderedRevision_ = -1;
    bool placed_ = false;
};

} // namespace vestrano
