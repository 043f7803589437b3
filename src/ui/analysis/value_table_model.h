#pragma once

#include <QAbstractTableModel>

namespace vestrano {

struct ValueTable;

// The value table as the view reads it: x and a column per graph, numbers written only for the
// rows in sight, so that 100 000 rows cost nothing until they are scrolled to.
class ValueTableModel final : public QAbstractTableModel {
  public:
    ValueTableModel(const ValueTable& table, QObject* parent);

    // After the table changed: new values keep the view's scroll position and selection;
    // other rows or columns build it anew.
    void refresh();

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
