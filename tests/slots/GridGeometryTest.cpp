#include "slots/GridGeometry.h"

#include <gtest/gtest.h>

namespace {

constexpr int kTextHeight = 14;
const TextWidthFn kTextWidth = [](const std::string& s) { return 7 * static_cast<int>(s.size()); };
const RangeSettings kDefaults;

// Column 1 of a 30-pixel row: 200 wide, so the bar's inner width is 142.
constexpr GridRect kColumn1{75, 30, 275, 60};
constexpr int kInnerLeft = 79;
constexpr int kInnerWidth = 142;

SlotRecord Program(int32_t size) {
    return {SlotKind::Program, "Snake", 0x20010000, size, 0, 0, 107};
}

TEST(GridGeometry, TitleRowIsCentred) {
    const GridRect cells[] = {{0, 0, 75, 30}, {75, 0, 275, 30}, {275, 0, 339, 30}};
    const GridText expected[] = {{"#", 34, 8}, {"Program & Size", 126, 8}, {"FW", 300, 8}};
    for (int column = 0; column < 3; ++column) {
        const auto d = GridCellGeometry(column, 0, cells[column], kTextHeight, kTextWidth,
                                        Program(5000), kDefaults);
        EXPECT_EQ(d.texts, std::vector<GridText>{expected[column]}) << "column " << column;
        EXPECT_FALSE(d.icon);
        EXPECT_FALSE(d.bar);
    }
}

TEST(GridGeometry, OrdinalAndAddress) {
    struct Case {
        RangeSettings ranges;
        int row;
        const char* ordinal;
        const char* address;
    };
    const Case cases[] = {
        {kDefaults, 1, "1.", "{18-9}"},
        {kDefaults, 21, "21.", "{18-29}"},
        {kDefaults, 22, "1.", "{2-10}"},
        {{9, 0, 10, 5}, 1, "1.", "{2-10}"},
    };
    for (const auto& c : cases) {
        const GridRect cell{0, 30 * c.row, 75, 30 * c.row + 30};
        const auto d =
            GridCellGeometry(0, c.row, cell, kTextHeight, kTextWidth, Program(1), c.ranges);
        const int y = cell.top + 15 - 7;
        EXPECT_EQ(d.texts, (std::vector<GridText>{{c.ordinal, 3, y}, {c.address, 25, y}}))
            << "row " << c.row;
    }
}

TEST(GridGeometry, ColumnOneDrawsIconNameRatioSizeAndBar) {
    SlotRecord entry = Program(30000);
    entry.Compressed = 1;
    entry.UnpackedSize = 50000;
    entry.IconIndex = 20;
    const auto d = GridCellGeometry(1, 1, kColumn1, kTextHeight, kTextWidth, entry, kDefaults);
    EXPECT_EQ(d.icon, (GridIcon{20, 78, 33}));
    // The ratio follows the name, so it covers a name long enough to reach it.
    EXPECT_EQ(d.texts, (std::vector<GridText>{
                           {"Snake", 95, 30}, {"LZO(40.0%)", 195, 30}, {"30000", 225, 45}}));
    ASSERT_TRUE(d.bar);
    EXPECT_EQ(d.bar->outer, (GridRect{78, 48, 222, 57}));
    EXPECT_EQ(d.bar->inner, (GridRect{79, 49, 221, 56}));
    EXPECT_EQ(d.bar->colour, BarColour::Red);
}

TEST(GridGeometry, EmptyAndUnscannedRows) {
    const SlotRecord empty{SlotKind::Empty, "< Empty >", 0, 0, 0, 0, 110};
    auto d = GridCellGeometry(1, 1, kColumn1, kTextHeight, kTextWidth, empty, kDefaults);
    EXPECT_EQ(d.icon, (GridIcon{110, 78, 33}));
    EXPECT_EQ(d.texts, (std::vector<GridText>{{"< Empty >", 95, 30}, {"0", 225, 45}}));
    ASSERT_TRUE(d.bar);
    EXPECT_EQ(d.bar->fill.right, d.bar->fill.left);

    d = GridCellGeometry(1, 1, kColumn1, kTextHeight, kTextWidth, SlotRecord{}, kDefaults);
    EXPECT_EQ(d.icon, (GridIcon{0, 78, 33}));

    SlotRecord noIcon = Program(5000);
    noIcon.IconIndex = -1;
    d = GridCellGeometry(1, 1, kColumn1, kTextHeight, kTextWidth, noIcon, kDefaults);
    EXPECT_FALSE(d.icon);
}

TEST(GridGeometry, SizeBarColourAndExtent) {
    struct Case {
        const char* label;
        int row; // 22 is the first small slot with the default ranges
        int32_t size;
        BarColour colour;
        int fillWidth;
    };
    const Case cases[] = {
        {"big slot at its usual limit: full", 1, 21504, BarColour::Blue, kInnerWidth},
        {"big slot one byte over: a third of 64K", 1, 21505, BarColour::Red, 46},
        {"full 64K", 1, 65536, BarColour::Red, kInnerWidth},
        {"empty", 1, 0, BarColour::Blue, 0},
        {"small slot at its limit: full", 22, 2048, BarColour::Blue, kInnerWidth},
        {"small slot over its limit runs past the frame", 22, 4096, BarColour::Blue,
         2 * kInnerWidth},
        {"small slot above 21504 is red", 22, 21505, BarColour::Red, 1491},
        {"largest size, big slot", 1, INT32_MAX, BarColour::Red, 4653055},
    };
    for (const auto& c : cases) {
        SlotRecord entry = Program(c.size);
        const auto d =
            GridCellGeometry(1, c.row, kColumn1, kTextHeight, kTextWidth, entry, kDefaults);
        ASSERT_TRUE(d.bar) << c.label;
        EXPECT_EQ(d.bar->colour, c.colour) << c.label;
        EXPECT_EQ(d.bar->fill, (GridRect{kInnerLeft, 49, kInnerLeft + c.fillWidth, 56})) << c.label;
    }
}

TEST(GridGeometry, TheLargestSizeInASmallSlotStaysDrawable) {
    const auto d =
        GridCellGeometry(1, 22, kColumn1, kTextHeight, kTextWidth, Program(INT32_MAX), kDefaults);
    ASSERT_TRUE(d.bar);
    EXPECT_GT(d.bar->fill.right, 1'000'000);
    EXPECT_LT(d.bar->fill.right, INT32_MAX / 2);
}

TEST(GridGeometry, LzoRatio) {
    struct Case {
        int32_t compressed;
        int32_t size;
        int32_t unpacked;
        const char* separator;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {1, 30000, 50000, ".", "LZO(40.0%)"},
        {1, 30000, 50000, ",", "LZO(40,0%)"},
        {1, 30001, 50000, ".", "LZO(40.0%)"}, // whole percent, truncated
        {1, 50000, 50000, ".", "LZO(0.0%)"},
        {1, 60000, 50000, ".", "LZO(-20.0%)"},
        {1, INT32_MAX, 1, ".", "LZO(-214748364600.0%)"},
        {1, 30000, 0, ".", std::nullopt},
        {1, 30000, -5, ".", std::nullopt},
        {0, 30000, 50000, ".", std::nullopt},
    };
    for (const auto& c : cases) {
        SlotRecord entry = Program(c.size);
        entry.Compressed = c.compressed;
        entry.UnpackedSize = c.unpacked;
        EXPECT_EQ(LzoRatioText(entry, c.separator), c.text) << c.size << "/" << c.unpacked;
    }
}

TEST(GridGeometry, NoRatioWithoutAnUnpackedSize) {
    SlotRecord entry = Program(30000);
    entry.Compressed = 1;
    const auto d = GridCellGeometry(1, 1, kColumn1, kTextHeight, kTextWidth, entry, kDefaults);
    EXPECT_EQ(d.texts, (std::vector<GridText>{{"Snake", 95, 30}, {"30000", 225, 45}}));
}

TEST(GridGeometry, FormatLabelOnlyForPrograms) {
    const GridRect cell{275, 30, 339, 60};
    struct Case {
        SlotKind kind;
        uint32_t tag;
        std::vector<GridText> texts;
    };
    const Case cases[] = {
        {SlotKind::Program, 0x20031004, {{"3.10/4", 286, 38}}},
        {SlotKind::Program, 0, {{"0.0.0/0", 283, 38}}},
        {SlotKind::Data, 0x20031004, {}},
        {SlotKind::Gif, 0x20031004, {}},
        {SlotKind::Empty, 0x20031004, {}},
    };
    for (const auto& c : cases) {
        SlotRecord entry = Program(100);
        entry.Kind = c.kind;
        entry.FormatTag = c.tag;
        const auto d = GridCellGeometry(2, 1, cell, kTextHeight, kTextWidth, entry, kDefaults);
        EXPECT_EQ(d.texts, c.texts) << static_cast<int>(c.kind);
        EXPECT_FALSE(d.bar);
    }
}

TEST(GridGeometry, MiddleColumnTakesWhatIsLeft) {
    EXPECT_EQ(MiddleColumnWidth(400, 75, 64), 261);
    EXPECT_EQ(MiddleColumnWidth(139, 75, 64), 0);
    EXPECT_EQ(MiddleColumnWidth(100, 75, 64), 0);
    EXPECT_EQ(MiddleColumnWidth(INT32_MAX, -5, -5), INT32_MAX);
}

} // namespace
