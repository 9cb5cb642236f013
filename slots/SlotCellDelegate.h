#pragma once

#include <QAbstractItemDelegate>

class SlotGridView;

// Paints a data cell of the slot grid through SlotGridView::DrawGrid1DrawCell.
class SlotCellDelegate : public QAbstractItemDelegate {
    Q_OBJECT
  public:
    explicit SlotCellDelegate(const SlotGridView& grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    const SlotGridView& grid_;
};
