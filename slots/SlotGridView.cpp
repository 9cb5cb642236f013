#include "slots/SlotGridView.h"

#include "common/AppState.h"
#include "slots/GridGeometry.h"
#include "slots/IconForm.h"
#include "slots/SlotCellDelegate.h"
#include "slots/SlotTableModel.h"
#include "slots/TitleRowHeader.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int kRowHeight = 30;
constexpr int kInitialGridRows = 32;
constexpr int kColumnWidths[] = {75, 120, 64};

GridRect toGridRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Geometry rectangles exclude their right and bottom edges; an empty or
// inverted one paints nothing.
void fill(QPainter& painter, const GridRect& r, const QColor& colour) {
    if (r.right > r.left && r.bottom > r.top)
        painter.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), colour);
}

int dataRowsFor(const RangeSettings& ranges) {
    const long long rows = static_cast<long long>(ranges.BigSlots) + ranges.SmallSlots;
    return static_cast<int>(std::clamp<long long>(rows, 0, kSlotTableSize - 1));
}

} // namespace

SlotGridView::SlotGridView(AppState& state, const TIconForm& icons, QWidget* parent)
    : QTableView(parent), state_(state), icons_(icons) {
    setObjectName("DrawGrid1");

    QFont gridFont("Arial");
    gridFont.setPixelSize(12);
    gridFont.setBold(true);
    setFont(gridFont);

    setHorizontalHeader(new TitleRowHeader(
        *this, kRowHeight, [this](const QPoint& pos) { DrawGrid1MouseUp(Qt::RightButton, pos); }));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    setShowGrid(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalScrollBar()->setTracking(true);
    horizontalScrollBar()->setTracking(true);
    // Right-button events must reach the mouse handlers, not open a menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);

    auto* delegate = new SlotCellDelegate(*this);
    delegate->setParent(this);
    setItemDelegate(delegate);
    model_ = new SlotTableModel(kInitialGridRows - 1, this);
    setModel(model_);
    for (int col = 0; col < 3; ++col)
        setColumnWidth(col, kColumnWidths[col]);

    const int rows = model_->rowCount();
    if (rows > 0)
        setCurrentIndex(model_->index(std::clamp(state_.currentRow, 1, rows) - 1, 0));
}

void SlotGridView::resetRowCount() {
    model_->setDataRows(dataRowsFor(state_.ranges));
    const int rows = model_->rowCount();
    if (rows == 0)
        return;
    const int row = std::clamp(state_.currentRow, 1, rows);
    const QModelIndex current = currentIndex();
    if (!current.isValid() || current.row() != row - 1)
        setCurrentIndex(model_->index(row - 1, current.isValid() ? current.column() : 0));
    state_.currentRow = row;
}

int SlotGridView::gridRowCount() const {
    return model_->rowCount() + 1;
}

void SlotGridView::fitMiddleColumn() {
    // A changed row count shows or hides the vertical scroll bar only once
    // the pending layout has run, and the client width depends on it.
    executeDelayedItemsLayout();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    setColumnWidth(1, MiddleColumnWidth(viewport()->width(), columnWidth(0), columnWidth(2)));
}

void SlotGridView::repaintNow() {
    viewport()->repaint();
}

bool SlotGridView::isGridRowSelected(int row) const {
    return row > 0 && selectionModel() && selectionModel()->isRowSelected(row - 1, QModelIndex());
}

void SlotGridView::DrawGrid1DrawCell(QPainter& painter, int col, int row, const QRect& rect) const {
    const QPalette& pal = palette();
    QColor background = pal.color(QPalette::Active, QPalette::Base);
    QColor textColour = pal.color(QPalette::Active, QPalette::WindowText);
    if (row == 0) {
        background = pal.color(QPalette::Active, QPalette::Button);
        textColour = pal.color(QPalette::Active, QPalette::ButtonText);
    } else if (isGridRowSelected(row)) {
        background = pal.color(QPalette::Active, QPalette::Highlight);
        textColour = pal.color(QPalette::Active, QPalette::HighlightedText);
    }

    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.fillRect(rect, background);
    painter.setFont(font());
    painter.setPen(textColour);

    const QFontMetrics metrics(font());
    const auto textWidth = [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    static const SlotRecord kNoRecord{};
    const SlotRecord& entry =
        row > 0 && row < kSlotTableSize ? state_.table[static_cast<size_t>(row)] : kNoRecord;
    const CellDrawing drawing =
        GridCellGeometry(col, row, toGridRect(rect), metrics.height(), textWidth, entry,
                         state_.ranges, QLocale().decimalPoint().toStdString());

    if (drawing.icon)
        painter.drawPixmap(drawing.icon->x, drawing.icon->y, icons_.picture(drawing.icon->index));
    for (const GridText& text : drawing.texts) {
        const QString qtext = QString::fromStdString(text.text);
        const QRect box(text.x, text.y, metrics.horizontalAdvance(qtext), metrics.height());
        painter.fillRect(box, background);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         qtext);
    }
    if (drawing.bar) {
        fill(painter, drawing.bar->outer, Qt::black);
        fill(painter, drawing.bar->inner, Qt::white);
        fill(painter, drawing.bar->fill,
             drawing.bar->colour == BarColour::Red ? QColor(255, 0, 0) : QColor(0, 0, 255));
    }
    painter.restore();
}

// Only the left button and the keyboard move the selection: the menu applies
// to the row selected before the right click, wherever the pointer is.
void SlotGridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void SlotGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void SlotGridView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        DrawGrid1MouseUp(Qt::RightButton, event->globalPosition().toPoint());
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void SlotGridView::DrawGrid1MouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    if (button == Qt::RightButton && state_.slotMenuEnabled)
        emit contextMenuWanted(globalPos);
}

void SlotGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        state_.currentRow = current.row() + 1;
}
