#include "slots/SlotTableModel.h"

SlotTableModel::SlotTableModel(int dataRows, QObject* parent)
    : QAbstractTableModel(parent), rows_(dataRows < 0 ? 0 : dataRows) {}

void SlotTableModel::setDataRows(int rows) {
    if (rows < 0)
        rows = 0;
    if (rows > rows_) {
        beginInsertRows(QModelIndex(), rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows(QModelIndex(), rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
}

int SlotTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int SlotTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant SlotTableModel::data(const QModelIndex&, int) const {
    return {};
}

Qt::ItemFlags SlotTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
