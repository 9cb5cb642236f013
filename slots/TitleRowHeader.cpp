#include "slots/TitleRowHeader.h"

#include "slots/SlotGridView.h"

#include <QMouseEvent>
#include <QPainter>

TitleRowHeader::TitleRowHeader(const SlotGridView& grid, int height,
                               std::function<void(const QPoint&)> rightReleased)
    : QHeaderView(Qt::Horizontal), grid_(grid), height_(height),
      rightReleased_(std::move(rightReleased)) {
    setSectionResizeMode(QHeaderView::Interactive);
    setStretchLastSection(false);
    setMinimumSectionSize(0);
    setHighlightSections(false);
    setSectionsClickable(false);
    setSectionsMovable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

QSize TitleRowHeader::sizeHint() const {
    return {QHeaderView::sizeHint().width(), height_};
}

void TitleRowHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    grid_.DrawGrid1DrawCell(*painter, logicalIndex, 0, rect);
}

void TitleRowHeader::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QHeaderView::mousePressEvent(event);
}

// The title row belongs to the grid: a right release on it is one on the grid.
void TitleRowHeader::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        rightReleased_(event->globalPosition().toPoint());
        return;
    }
    QHeaderView::mouseReleaseEvent(event);
}
