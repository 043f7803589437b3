#pragma once

#include <QAbstractTableModel>

namespace vestrano {

struct ValueTable;

// The value table as the view reads it: x and a column per graph, numbers written only for the
// rows in sight, so that 100 000 rows cost nothing until they are scrolled to.
class ValueTableModel final : public QAbstractTableModel {
  public:
    ValueTableModel(const ValueTable& table, QObject* parent);

    // New rows: the view is built anew.
    void reload();
    // New values at the same rows: only the graphs' cells are painted again, and the view keeps
    // its scroll position and selection; another set of graphs builds it anew.
    void refreshValues();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QStringList currentHeaders() const;

    const ValueTable& table_;
    int shownRows_ = 0;
    QStringList shownHeaders_{"x"};
};

} // namespace vestrano
