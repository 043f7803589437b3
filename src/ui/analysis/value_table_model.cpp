#include "ui/analysis/value_table_model.h"

#include "analysis/value_table.h"
#include "state/general_number.h"

namespace vestrano {

ValueTableModel::ValueTableModel(const ValueTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

QStringList ValueTableModel::currentHeaders() const {
    QStringList headers{"x"};
    for (const ValueColumn& column : table_.columns) {
        headers << QString::fromStdString(column.name);
    }
    return headers;
}

void ValueTableModel::reload() {
    beginResetModel();
    shownRows_ = static_cast<int>(table_.x.size());
    shownHeaders_ = currentHeaders();
    endResetModel();
}

void ValueTableModel::refreshValues() {
    const auto rows = static_cast<int>(table_.x.size());
    if (rows != shownRows_ || currentHeaders() != shownHeaders_) {
        reload();
        return;
    }
    const auto columns = static_cast<int>(shownHeaders_.size());
    if (rows > 0 && columns > 1) {
        Q_EMIT dataChanged(index(0, 1), index(rows - 1, columns - 1), {Qt::DisplayRole});
    }
}

int ValueTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int ValueTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shownHeaders_.size());
}

QVariant ValueTableModel::data(const QModelIndex& index, int role) const {
    // The table is read only through the shape last shown.
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= table_.x.size() ||
        static_cast<std::size_t>(index.column()) > table_.columns.size()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    if (index.column() == 0) {
        return QString::fromStdString(formatParamValue(table_.x[row]));
    }
    const auto& value = table_.columns[static_cast<std::size_t>(index.column() - 1)].values[row];
    // An empty cell: the graph has no value there.
    return value ? QString::fromStdString(formatParamValue(*value)) : QVariant();
}

QVariant ValueTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= shownHeaders_.size()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return shownHeaders_[section];
}

} // namespace vestrano
