#pragma once

#include <QPoint>
#include <QTableView>

struct AppState;
class TIconForm;
class QPainter;
class SlotTableModel;

// The slot grid "DrawGrid1": a title row ("#", "Program & Size", "FW") and
// one row per configured slot, grid row r showing state.table[r]. The title
// row is the horizontal header, so it stays in place while the rows scroll
// and its borders resize the columns; data row r is model row r - 1. Every
// cell, title cells included, is painted by DrawGrid1DrawCell from the table
// and the ranges as they are at that moment.
class SlotGridView : public QTableView {
    Q_OBJECT
  public:
    SlotGridView(AppState& state, const TIconForm& icons, QWidget* parent = nullptr);

    // Row count := BigSlots + SmallSlots + 1 (from state.ranges), title row
    // included. The current row stays where it was unless it no longer
    // exists; then the last row becomes current.
    void resetRowCount();
    // Grid rows, title row included (32 until the first resetRowCount).
    int gridRowCount() const;
    // Column 1 := max(0, viewport width - column 0 - column 2).
    void fitMiddleColumn();
    // Paints the grid at once (used between the slots of a full refresh).
    void repaintNow();

    // Paints cell (col, row) of the grid into rect: the background (title row
    // button face, selected row highlight, others window colour), then what
    // GridCellGeometry says, each text on a box of the background colour.
    void DrawGrid1DrawCell(QPainter& painter, int col, int row, const QRect& rect) const;

  signals:
    // Emitted on a right-button release while state.slotMenuEnabled is true.
    void contextMenuWanted(const QPoint& globalPos);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    void DrawGrid1MouseUp(Qt::MouseButton button, const QPoint& globalPos);
    bool isGridRowSelected(int row) const;

    AppState& state_;
    const TIconForm& icons_;
    SlotTableModel* model_ = nullptr;
};
