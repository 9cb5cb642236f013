#pragma once

#include <QHeaderView>
#include <functional>

class SlotGridView;

// The slot grid's title row (row 0). It stays at the top while the rows
// scroll, and the person resizes the columns by dragging its borders. Its
// cells are painted like the other cells, through the grid.
class TitleRowHeader : public QHeaderView {
    Q_OBJECT
  public:
    TitleRowHeader(const SlotGridView& grid, int height,
                   std::function<void(const QPoint&)> rightReleased);

    QSize sizeHint() const override;

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const SlotGridView& grid_;
    int height_;
    std::function<void(const QPoint&)> rightReleased_;
};
