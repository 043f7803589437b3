#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include "analysis/value_table.h"

class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QTableView;
class QTimer;

namespace vestrano {

struct ProgramContext;
class ValueTableModel;

// The window "Wertetabelle": the boxes "von", "bis" and "Schrittweite", the table with x and a
// column per drawn graph, "Übernehmen", "Kopieren" and "Schließen". While it is shown the table
// follows the graphs; its close box hides it, and the boxes and rows stay.
class Wertetabelle final : public QWidget {
  public:
    Wertetabelle(ProgramContext& ctx, QMdiArea& mdi);
    ~Wertetabelle() override;

    // Shows the window in front, the first time at the right edge with the boxes set to the
    // visible x interval; the table is brought up to date.
    void bringForward();
    // The graphs may have changed: the table follows soon after, at most 25 times a second, and
    // not at all while the window is hidden.
    void follow();
    QMdiSubWindow& window() { return *sub_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void takeOver();
    void recompute();
    void showNote();
    void keepInView();

    ProgramContext& ctx_;
    QMdiArea& mdi_;
    QMdiSubWindow* sub_ = nullptr;
    QLineEdit* von_ = nullptr;
    QLineEdit* bis_ = nullptr;
    QLineEdit* step_ = nullptr;
    QTableView* table1_ = nullptr;
    QLabel* label4_ = nullptr;
    QTimer* following_ = nullptr;
    QElapsedTimer shown_; // since the values were last shown
    ValueTable table_;
    ValueTableModel* model_ = nullptr;
    bool placed_ = false;
};

} // namespace vestrano
