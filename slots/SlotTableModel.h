#pragma once

#include <QAbstractTableModel>

// The rows of the slot grid below its title row. The grid paints every cell
// from the slot table itself, so the model holds only the number of rows;
// model row m is grid row m + 1.
class SlotTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit SlotTableModel(int dataRows, QObject* parent = nullptr);

    // Inserts or removes rows at the end, so the current row survives.
    void setDataRows(int rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    int rows_ = 0;
};
