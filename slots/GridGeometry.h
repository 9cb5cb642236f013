#pragma once

#include "slots/SlotTable.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What one cell of the slot grid shows, as positions only: the grid widget
// paints it. Coordinates are the grid's; rectangles follow the Windows
// convention (right and bottom are exclusive), so a rectangle's width is
// right - left.

struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const GridRect&) const = default;
};

// A text whose top-left corner is at (x, y). Each text is painted on a box of
// the cell's background colour, so a later text covers an earlier one.
struct GridText {
    std::string text;
    int x = 0;
    int y = 0;

    bool operator==(const GridText&) const = default;
};

struct GridIcon {
    int index = 0; // picture of the icon catalogue, 0 .. kIconPictures - 1
    int x = 0;
    int y = 0;

    bool operator==(const GridIcon&) const = default;
};

enum class BarColour { Red, Blue }; // RGB 255,0,0 and 0,0,255

// The size bar of a column 1 cell: fill `outer` black (leaving a one-pixel
// frame), `inner` white, then `fill` in `colour`. The fill is not clamped to
// the frame: a slot larger than its scale runs past the right edge.
struct SizeBar {
    GridRect outer;
    GridRect inner;
    GridRect fill;
    BarColour colour = BarColour::Blue;

    bool operator==(const SizeBar&) const = default;
};

// Paint order: icon, texts in list order, bar.
struct CellDrawing {
    std::optional<GridIcon> icon;
    std::vector<GridText> texts;
    std::optional<SizeBar> bar;
};

using TextWidthFn = std::function<int(const std::string&)>;

// The drawing of cell (column, row) of the slot grid. `textHeight` is the
// height of one line in the grid font, `textWidth` the width of a string in
// it. `entry` is the table record of `row` (unused for the title row 0).
// Columns other than 0..2 draw nothing.
CellDrawing GridCellGeometry(int column, int row, GridRect cell, int textHeight,
                             const TextWidthFn& textWidth, const SlotRecord& entry,
                             const RangeSettings& ranges, std::string_view decimalSeparator = ".");

// "LZO(40.0%)": the share saved by compression, 100 - Size * 100 / UnpackedSize
// in whole percent, with one decimal. nullopt unless Compressed is 1 and
// UnpackedSize is positive.
std::optional<std::string> LzoRatioText(const SlotRecord& entry,
                                        std::string_view decimalSeparator = ".");

// Width of the middle column when the grid is resized: what columns 0 and 2
// leave of the client width, never below 0.
int MiddleColumnWidth(int clientWidth, int column0Width, int column2Width);
