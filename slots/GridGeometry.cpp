#include "slots/GridGeometry.h"

#include "slots/FormatTagLabel.h"
#include "slots/IconCatalogue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

constexpr std::array<const char*, 3> kTitles{"#", "Program & Size", "FW"};

// A big slot above this size no longer fits the usual limit: its bar turns
// red and is measured against the whole section size.
constexpr int32_t kUsualBigSlotSize = 21504;
constexpr int32_t kBigSlotLimit = 65536;
constexpr int32_t kSmallSlotLimit = 2048;

// The fill may run past the frame, but only so far that every coordinate
// stays a plain int for the painter.
constexpr double kMaxFillWidth = 1 << 24;

GridText centred(const std::string& text, GridRect cell, int textHeight,
                 const TextWidthFn& textWidth) {
    const int w = cell.right - cell.left;
    const int h = cell.bottom - cell.top;
    return {text, cell.left + w / 2 - textWidth(text) / 2, cell.top + h / 2 - textHeight / 2};
}

SizeBar sizeBar(GridRect cell, const SlotRecord& entry, bool smallSlot) {
    const int h = cell.bottom - cell.top;
    SizeBar bar;
    bar.outer = {cell.left + 3, cell.top + h / 2 + 3, cell.right - 53, cell.bottom - 3};
    bar.inner = {bar.outer.left + 1, bar.outer.top + 1, bar.outer.right - 1, bar.outer.bottom - 1};
    const bool oversize = entry.Size > kUsualBigSlotSize;
    bar.colour = oversize ? BarColour::Red : BarColour::Blue;
    const int32_t scale = smallSlot  ? kSmallSlotLimit
                          : oversize ? kBigSlotLimit
                                     : kUsualBigSlotSize;
    const double innerWidth = bar.inner.right - bar.inner.left;
    const double width =
        std::clamp(std::trunc(innerWidth / scale * entry.Size), -kMaxFillWidth, kMaxFillWidth);
    bar.fill = {bar.inner.left, bar.inner.top, bar.inner.left + static_cast<int>(width),
                bar.inner.bottom};
    return bar;
}

} // namespace

std::optional<std::string> LzoRatioText(const SlotRecord& entry,
                                        std::string_view decimalSeparator) {
    if (entry.Compressed != 1 || entry.UnpackedSize <= 0)
        return std::nullopt;
    const int64_t percent = 100 - int64_t{entry.Size} * 100 / entry.UnpackedSize;
    return "LZO(" + std::to_string(percent) + std::string(decimalSeparator) + "0%)";
}

CellDrawing GridCellGeometry(int column, int row, GridRect cell, int textHeight,
                             const TextWidthFn& textWidth, const SlotRecord& entry,
                             const RangeSettings& ranges, std::string_view decimalSeparator) {
    CellDrawing drawing;
    if (column < 0 || column >= static_cast<int>(kTitles.size()))
        return drawing;
    if (row == 0) {
        drawing.texts.push_back(centred(kTitles[column], cell, textHeight, textWidth));
        return drawing;
    }

    const int h = cell.bottom - cell.top;
    const bool smallSlot = row > ranges.BigSlots;
    switch (column) {
    case 0: {
        const int y = cell.top + h / 2 - textHeight / 2;
        const int ordinal = smallSlot ? row - ranges.BigSlots : row;
        const SlotAddress address = SlotForRow(ranges, row);
        drawing.texts.push_back({std::to_string(ordinal) + ".", cell.left + 3, y});
        drawing.texts.push_back(
            {"{" + SlotText(address.section, address.file) + "}", cell.left + 25, y});
        break;
    }
    case 1: {
        const int firstLine = cell.top + h / 4 - textHeight / 2;
        if (entry.IconIndex >= 0 && entry.IconIndex < kIconPictures)
            drawing.icon = GridIcon{entry.IconIndex, cell.left + 3, firstLine + 3};
        drawing.texts.push_back({entry.Name, cell.left + 20, firstLine});
        if (auto ratio = LzoRatioText(entry, decimalSeparator))
            drawing.texts.push_back({*ratio, cell.right - 80, firstLine});
        drawing.texts.push_back(
            {std::to_string(entry.Size), cell.right - 50, cell.top + (3 * h) / 4 - textHeight / 2});
        drawing.bar = sizeBar(cell, entry, smallSlot);
        break;
    }
    default:
        if (entry.Kind == SlotKind::Program)
            drawing.texts.push_back(
                centred(FormatTagLabel(entry.FormatTag), cell, textHeight, textWidth));
        break;
    }
    return drawing;
}

int MiddleColumnWidth(int clientWidth, int column0Width, int column2Width) {
    const int64_t rest = int64_t{clientWidth} - column0Width - column2Width;
    return static_cast<int>(std::clamp<int64_t>(rest, 0, INT32_MAX));
}
