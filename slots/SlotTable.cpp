#include "slots/SlotTable.h"

void ResetSlotTable(SlotTable& table) {
    table.fill(SlotRecord{});
}

bool RangesFitTable(const RangeSettings& r) {
    auto fileRangeOk = [](int32_t first, int32_t count) {
        return first >= 0 && first <= 255 && count >= 0 && first + count - 1 <= 255;
    };
    return r.BigSlots >= 0 && r.SmallSlots >= 0 && r.BigSlots + r.SmallSlots <= kSlotTableSize - 1 &&
           fileRangeOk(r.FirstBig, r.BigSlots) && fileRangeOk(r.FirstSmall, r.SmallSlots);
}

SlotAddress SlotForRow(const RangeSettings& r, int row) {
    if (row > r.BigSlots)
        return {kSmallSection, static_cast<uint8_t>(row - r.BigSlots - 1 + r.FirstSmall)};
    return {kBigSection, static_cast<uint8_t>(row + r.FirstBig - 1)};
}

int RowForSlot(const RangeSettings& r, uint8_t section, uint8_t file) {
    // Each section maps only into its own run of rows: a big slot past the
    // big range must not land on a small slot's row (and the other way round).
    if (section == kBigSection) {
        int row = file - r.FirstBig + 1;
        return row >= 1 && row <= r.BigSlots ? row : 0;
    }
    if (section == kSmallSection) {
        int row = file - r.FirstSmall + 1 + r.BigSlots;
        return row > r.BigSlots && row <= r.BigSlots + r.SmallSlots ? row : 0;
    }
    return 0;
}

std::string SlotText(uint8_t section, uint8_t file) {
    return std::to_string(section) + "-" + std::to_string(file);
}
