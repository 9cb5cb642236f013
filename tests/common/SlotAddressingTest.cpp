#include "slots/SlotTable.h"

#include <gtest/gtest.h>

namespace {

TEST(SlotAddressing, RowsMapToSlotsAndBack) {
    struct Case {
        RangeSettings ranges;
        int row;
        SlotAddress slot;
    };
    const RangeSettings defaults;
    const RangeSettings noBig{9, 0, 10, 5};
    const Case cases[] = {
        {defaults, 1, {18, 9}},  {defaults, 21, {18, 29}}, {defaults, 22, {2, 10}},
        {defaults, 26, {2, 14}}, {noBig, 1, {2, 10}},      {{10, 3, 10, 5}, 3, {18, 12}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SlotForRow(c.ranges, c.row), c.slot) << "row " << c.row;
        EXPECT_EQ(RowForSlot(c.ranges, c.slot.section, c.slot.file), c.row) << "row " << c.row;
    }
}

TEST(SlotAddressing, SlotsOutsideTheRangesUseTheScratchRow) {
    const RangeSettings defaults;
    EXPECT_EQ(RowForSlot(defaults, 18, 8), 0);
    EXPECT_EQ(RowForSlot(defaults, 18, 30), 0);
    EXPECT_EQ(RowForSlot(defaults, 2, 9), 0);
    EXPECT_EQ(RowForSlot(defaults, 2, 15), 0);
    EXPECT_EQ(RowForSlot(defaults, 17, 19), 0);
}

TEST(SlotAddressing, RangesMustFitTheTable) {
    EXPECT_TRUE(RangesFitTable({}));
    EXPECT_TRUE(RangesFitTable({0, 99, 0, 0}));
    EXPECT_TRUE(RangesFitTable({9, 0, 10, 0}));
    EXPECT_FALSE(RangesFitTable({0, 99, 0, 1}));
    EXPECT_FALSE(RangesFitTable({9, -1, 10, 5}));
    EXPECT_FALSE(RangesFitTable({9, 21, 10, -3}));
    EXPECT_FALSE(RangesFitTable({250, 10, 10, 5}));
}

TEST(SlotAddressing, ResetClearsEveryRecord) {
    SlotTable table{};
    table[5] = {SlotKind::Program, "x", 1, 2, 1, 3, 107};
    ResetSlotTable(table);
    for (const auto& r : table) {
        EXPECT_EQ(r, SlotRecord{});
        EXPECT_EQ(r.IconIndex, 0);
    }
    EXPECT_EQ(SlotText(18, 9), "18-9");
    EXPECT_EQ(SlotText(2, 10), "2-10");
}

} // namespace
