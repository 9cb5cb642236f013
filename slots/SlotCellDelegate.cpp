#include "slots/SlotCellDelegate.h"

#include "slots/SlotGridView.h"

#include <QHeaderView>
#include <QPainter>

SlotCellDelegate::SlotCellDelegate(const SlotGridView& grid)
    : QAbstractItemDelegate(nullptr), grid_(grid) {}

void SlotCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    grid_.DrawGrid1DrawCell(*painter, index.column(), index.row() + 1, option.rect);
}

QSize SlotCellDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
    return {grid_.columnWidth(index.column()), grid_.verticalHeader()->defaultSectionSize()};
}
