#include "GridImage.h"

#include "common/AppState.h"
#include "slots/IconForm.h"
#include "slots/SlotGridView.h"

#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// Three big slots and two small ones, one of each kind.
void FillSampleTable(AppState& state) {
    state.ranges = {9, 3, 10, 2};
    auto& t = state.table;
    t[1] = {SlotKind::Program, "Alpha", 0x20000000, 21504, 0, 0, 107};
    t[2] = {SlotKind::Program, "Packed", 0x20010000, 21505, 1, 50000, 5};
    t[3] = {SlotKind::Empty, "< Empty >", 0, 0, 0, 0, 110};
    t[4] = {SlotKind::Data, "< Data >", 0, 2048, 0, 0, -1};
    t[5] = {SlotKind::Gif, "< GIF-File >", 0, 3000, 0, 0, -1};
}

class SlotGridViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FillSampleTable(state);
        grid = std::make_unique<SlotGridView>(state, icons);
        grid->resize(420, 260);
        grid->show();
        grid->resetRowCount();
        grid->fitMiddleColumn();
    }

    QImage shot() const { return grid->grab().toImage(); }

    // Data cell (row >= 1) or title cell (row 0), in grid coordinates.
    QRect cell(int row, int col) const {
        if (row == 0) {
            QHeaderView* header = grid->horizontalHeader();
            const QRect r(header->sectionViewportPosition(col), 0, header->sectionSize(col),
                          header->height());
            return r.translated(header->viewport()->mapTo(grid.get(), QPoint()));
        }
        const QRect r = grid->visualRect(grid->model()->index(row - 1, col));
        return r.translated(grid->viewport()->mapTo(grid.get(), QPoint()));
    }

    // Centre of a data row, in viewport coordinates, for mouse clicks.
    QPoint rowPoint(int row) const {
        return grid->visualRect(grid->model()->index(row - 1, 1)).center();
    }

    int textHeight() const { return QFontMetrics(grid->font()).height(); }

    AppState state;
    TIconForm icons;
    std::unique_ptr<SlotGridView> grid;
};

struct BarCase {
    int row;
    QColor colour;
    double filledShare; // of the inner width; above 1 runs past the frame
};

TEST_F(SlotGridViewTest, SizeBarColourAndExtent) {
    const BarCase cases[] = {
        {1, kBlue, 1.0},              // 21504 bytes: full at the usual scale
        {2, kRed, 21505.0 / 65536.0}, // one byte more: red, against 65536
        {3, kBlue, 0.0},              // empty slot: framed, nothing filled
        {4, kBlue, 1.0},              // small slot of 2048 bytes
        {5, kBlue, 3000.0 / 2048.0},  // too big for a small slot: past the frame
    };
    const QImage image = shot();
    for (const BarCase& c : cases) {
        SCOPED_TRACE(c.row);
        const QRect r = cell(c.row, 1);
        const int left = r.left(), right = r.left() + r.width(), top = r.top();
        const int h = r.height();
        const int outerLeft = left + 3, outerRight = right - 53; // right exclusive
        const int outerTop = top + h / 2 + 3, outerBottom = top + h - 3;
        const int innerLeft = outerLeft + 1, innerRight = outerRight - 1;
        const int midY = (outerTop + outerBottom) / 2;

        EXPECT_EQ(PixelAt(image, outerLeft, midY), QColor(Qt::black));
        EXPECT_EQ(PixelAt(image, innerLeft + 5, outerTop), QColor(Qt::black));
        EXPECT_EQ(PixelAt(image, innerLeft + 5, outerBottom - 1), QColor(Qt::black));

        const int innerWidth = innerRight - innerLeft;
        const int fillEnd = innerLeft + static_cast<int>(innerWidth * c.filledShare);
        if (c.filledShare == 0.0) {
            EXPECT_EQ(PixelAt(image, innerLeft, midY), QColor(Qt::white));
            EXPECT_EQ(PixelAt(image, innerRight - 1, midY), QColor(Qt::white));
        } else if (c.filledShare >= 1.0) {
            EXPECT_EQ(PixelAt(image, innerLeft, midY), c.colour);
            EXPECT_EQ(PixelAt(image, innerRight - 1, midY), c.colour);
            if (c.filledShare > 1.0) { // over the frame and the size text's place
                EXPECT_EQ(PixelAt(image, outerRight + 2, midY), c.colour);
            } else {
                EXPECT_EQ(PixelAt(image, outerRight - 1, midY), QColor(Qt::black));
            }
        } else {
            EXPECT_EQ(PixelAt(image, innerLeft, midY), c.colour);
            EXPECT_EQ(PixelAt(image, fillEnd - 2, midY), c.colour);
            EXPECT_EQ(PixelAt(image, fillEnd + 2, midY), QColor(Qt::white));
            EXPECT_EQ(PixelAt(image, innerRight - 1, midY), QColor(Qt::white));
        }
    }
}

TEST_F(SlotGridViewTest, TitleRowTextsCentredOnButtonFace) {
    const QImage image = shot();
    const QColor face = grid->palette().color(QPalette::Active, QPalette::Button);
    for (int col = 0; col < 3; ++col) {
        SCOPED_TRACE(col);
        const QRect r = cell(0, col);
        EXPECT_EQ(r.height(), 30);
        EXPECT_EQ(PixelAt(image, r.left() + 1, r.top() + 1), face);
        const QRect ink = InkBounds(image, r);
        ASSERT_FALSE(ink.isNull());
        EXPECT_NEAR(ink.center().x(), r.center().x(), 3);
        EXPECT_NEAR(ink.center().y(), r.center().y(), 4);
    }
    // "Program & Size" is much wider than "#".
    EXPECT_GT(InkBounds(image, cell(0, 1)).width(), 4 * InkBounds(image, cell(0, 0)).width());
}

TEST_F(SlotGridViewTest, TextsAndIconsInTheirPlaces) {
    grid->setCurrentIndex(QModelIndex()); // no highlight: dark text everywhere
    grid->clearSelection();
    const QImage image = shot();
    const int th = textHeight();
    for (int row = 1; row <= 5; ++row) {
        SCOPED_TRACE(row);
        const QRect c0 = cell(row, 0), c1 = cell(row, 1), c2 = cell(row, 2);
        const int h = c0.height();
        EXPECT_EQ(h, 30);

        // Ordinal at L + 3, address at L + 25, nothing between them.
        const QRect ordinal = InkBounds(image, QRect(c0.left(), c0.top(), 20, h));
        ASSERT_FALSE(ordinal.isNull());
        EXPECT_NEAR(ordinal.left(), c0.left() + 3, 2);
        EXPECT_TRUE(InkBounds(image, QRect(c0.left() + 17, c0.top(), 7, h)).isNull());
        const QRect address = InkBounds(image, QRect(c0.left() + 24, c0.top(), 51, h));
        ASSERT_FALSE(address.isNull());
        EXPECT_NEAR(address.left(), c0.left() + 25, 2);

        // Name at L + 20 on the upper line, size at R - 50 on the lower one.
        const int right = c1.left() + c1.width();
        const QRect name = InkBounds(image, QRect(c1.left() + 18, c1.top(), 40, h / 2 - 1));
        ASSERT_FALSE(name.isNull());
        EXPECT_NEAR(name.left(), c1.left() + 20, 2);
        const QRect size = InkBounds(image, QRect(right - 51, c1.top() + h / 2, 51, h / 2));
        if (row != 5) { // row 5's bar runs over its size text
            ASSERT_FALSE(size.isNull());
            EXPECT_NEAR(size.left(), right - 50, 2);
        }

        // The icon, where the record has one.
        const int index = state.table[static_cast<size_t>(row)].IconIndex;
        const QPoint iconAt(c1.left() + 3, c1.top() + h / 4 - th / 2 + 3);
        const QImage picture = icons.picture(index < 0 ? 0 : index).toImage();
        int opaque = 0, matching = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
                if (qAlpha(picture.pixel(x, y)) == 255) {
                    ++opaque;
                    matching += image.pixel(iconAt.x() + x, iconAt.y() + y) == picture.pixel(x, y);
                }
        ASSERT_GT(opaque, 0);
        if (index >= 0) {
            EXPECT_EQ(matching, opaque);
        } else {
            EXPECT_LT(matching, opaque);
        }

        // The FW label only for programs, centred.
        const QRect label = InkBounds(image, c2);
        if (state.table[static_cast<size_t>(row)].Kind == SlotKind::Program) {
            ASSERT_FALSE(label.isNull());
            EXPECT_NEAR(label.center().x(), c2.center().x(), 3);
        } else {
            EXPECT_TRUE(label.isNull());
        }
    }
    // The LZO ratio of row 2 on the name's line, from R - 80.
    const QRect c1 = cell(2, 1);
    const int right = c1.left() + c1.width();
    const QRect ratio = InkBounds(image, QRect(right - 81, c1.top(), 81, c1.height() / 2 - 1));
    ASSERT_FALSE(ratio.isNull());
    EXPECT_NEAR(ratio.left(), right - 80, 2);
}

TEST_F(SlotGridViewTest, SelectedRowHighlightedOthersWindowColour) {
    const QImage image = shot();
    const QPalette pal = grid->palette();
    EXPECT_EQ(state.currentRow, 1);
    EXPECT_EQ(PixelAt(image, cell(1, 2).left() + 1, cell(1, 2).top() + 1),
              pal.color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(PixelAt(image, cell(2, 2).left() + 1, cell(2, 2).top() + 1),
              pal.color(QPalette::Active, QPalette::Base));
}

TEST_F(SlotGridViewTest, LeftClickAndKeysMoveTheCurrentRowRightClickDoesNot) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rowPoint(3));
    EXPECT_EQ(state.currentRow, 3);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(state.currentRow, 4);

    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, rowPoint(2));
    QTest::mouseDClick(grid->viewport(), Qt::RightButton, {}, rowPoint(1));
    EXPECT_EQ(state.currentRow, 4);
    EXPECT_EQ(grid->currentIndex().row(), 3);
    const auto selected = grid->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.front().row(), 3);
}

TEST_F(SlotGridViewTest, ContextMenuOnlyOnRightReleaseWhileEnabled) {
    struct Case {
        bool enabled;
        Qt::MouseButton button;
        bool onTitleRow;
        bool wanted;
    };
    const Case cases[] = {
        {false, Qt::RightButton, false, false}, // before any command, or while one runs
        {true, Qt::LeftButton, false, false},   {true, Qt::RightButton, false, true},
        {true, Qt::RightButton, true, true},    {false, Qt::RightButton, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.enabled << " " << c.button << " " << c.onTitleRow);
        state.slotMenuEnabled = c.enabled;
        QSignalSpy spy(grid.get(), &SlotGridView::contextMenuWanted);
        QWidget* target = c.onTitleRow ? grid->horizontalHeader()->viewport() : grid->viewport();
        const QPoint at = c.onTitleRow ? QPoint(30, 15) : rowPoint(2);
        QTest::mouseClick(target, c.button, {}, at);
        ASSERT_EQ(spy.count(), c.wanted ? 1 : 0);
        if (c.wanted) {
            EXPECT_EQ(spy.front().front().toPoint(), target->mapToGlobal(at));
        }
    }
}

TEST_F(SlotGridViewTest, MiddleColumnTakesWhatIsLeft) {
    const int client = grid->viewport()->width();
    EXPECT_EQ(grid->columnWidth(0), 75);
    EXPECT_EQ(grid->columnWidth(2), 64);
    EXPECT_EQ(grid->columnWidth(1), client - 75 - 64);

    grid->setColumnWidth(0, 100); // as if dragged by the person
    grid->fitMiddleColumn();
    EXPECT_EQ(grid->columnWidth(0), 100);
    EXPECT_EQ(grid->columnWidth(1), client - 100 - 64);

    grid->resize(120, 260);
    grid->fitMiddleColumn();
    EXPECT_EQ(grid->columnWidth(0), 100);
    EXPECT_EQ(grid->columnWidth(1), 0);
    EXPECT_EQ(grid->columnWidth(2), 64);
}

TEST(SlotGridViewRows, MiddleColumnFitsRightAfterTheRowCountChanges) {
    AppState state;
    TIconForm icons;
    SlotGridView grid(state, icons);
    grid.resize(400, 300);
    grid.show();
    grid.fitMiddleColumn(); // 32 rows: the vertical scroll bar takes its share
    EXPECT_TRUE(grid.verticalScrollBar()->isVisible());
    const int withBar = grid.columnWidth(1);

    state.ranges.BigSlots = 3;
    state.ranges.SmallSlots = 2;
    grid.resetRowCount();
    grid.fitMiddleColumn(); // as the window does right after loading the settings
    EXPECT_FALSE(grid.verticalScrollBar()->isVisible());
    EXPECT_EQ(grid.columnWidth(1), grid.viewport()->width() - 75 - 64);
    EXPECT_GT(grid.columnWidth(1), withBar);
}

TEST(SlotGridViewRows, RowCountFollowsTheRanges) {
    AppState state;
    TIconForm icons;
    SlotGridView grid(state, icons);
    EXPECT_EQ(grid.gridRowCount(), 32);
    EXPECT_EQ(grid.currentIndex().row(), 0);
    EXPECT_EQ(state.currentRow, 1);

    grid.resetRowCount(); // defaults: 21 big and 5 small slots
    EXPECT_EQ(grid.gridRowCount(), 27);

    grid.setCurrentIndex(grid.model()->index(19, 0));
    EXPECT_EQ(state.currentRow, 20);
    state.ranges.BigSlots = 3;
    state.ranges.SmallSlots = 2;
    grid.resetRowCount();
    EXPECT_EQ(grid.gridRowCount(), 6);
    EXPECT_EQ(state.currentRow, 5);
    EXPECT_EQ(grid.currentIndex().row(), 4);
}

TEST(IconFormTest, CarriesTheCatalogue) {
    TIconForm icons;
    EXPECT_EQ(icons.objectName(), "IconForm");
    EXPECT_EQ(icons.pictureCount(), 148);
    EXPECT_EQ(icons.picture(147).size(), QSize(12, 12));
    EXPECT_TRUE(icons.picture(148).isNull());
    EXPECT_TRUE(icons.picture(-1).isNull());
    auto* combo = icons.findChild<QComboBox*>("ComboBoxEx1");
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 147);
    EXPECT_EQ(combo->itemText(0), "E80A");
    EXPECT_EQ(combo->itemData(18).toInt(), 18);
    EXPECT_EQ(combo->itemText(19), "E83D");
    EXPECT_EQ(combo->itemData(19).toInt(), 20);
    EXPECT_EQ(combo->itemText(146), "E899");
    EXPECT_EQ(combo->itemData(146).toInt(), 147);
    EXPECT_FALSE(combo->itemIcon(146).isNull());
}

} // namespace
