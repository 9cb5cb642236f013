#include "app/OptionsRanges.h"

#include <optional>

namespace {

std::optional<int32_t> slotNumber(const std::string& text) {
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    int32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string rangeText(const char* which, uint8_t section, int32_t first, int32_t last) {
    return std::string(which) + " slots from " + SlotText(section, static_cast<uint8_t>(first)) +
           " to " + SlotText(section, static_cast<uint8_t>(last)) +
           " would be a negative number of slots.";
}

} // namespace

RangeEdits EditsForRanges(const RangeSettings& r) {
    return {std::to_string(r.FirstBig), std::to_string(r.FirstBig + r.BigSlots - 1),
            std::to_string(r.FirstSmall), std::to_string(r.FirstSmall + r.SmallSlots - 1)};
}

RangeEdits DefaultRangeEdits() {
    return {"09", "29", "10", "14"};
}

std::variant<RangeSettings, std::string> RangesFromEdits(const RangeEdits& edits) {
    const auto firstBig = slotNumber(edits.BSME1);
    const auto lastBig = slotNumber(edits.BSME2);
    const auto firstSmall = slotNumber(edits.SSME1);
    const auto lastSmall = slotNumber(edits.SSME2);
    if (!firstBig || !lastBig || !firstSmall || !lastSmall)
        return std::string("Every slot number needs one or two digits.");

    RangeSettings r;
    r.FirstBig = *firstBig;
    r.BigSlots = *lastBig - *firstBig + 1;
    r.FirstSmall = *firstSmall;
    r.SmallSlots = *lastSmall - *firstSmall + 1;
    if (r.BigSlots < 0)
        return rangeText("Big", kBigSection, *firstBig, *lastBig);
    if (r.SmallSlots < 0)
        return rangeText("Small", kSmallSection, *firstSmall, *lastSmall);
    if (!RangesFitTable(r))
        return "Big and small slots together are " + std::to_string(r.BigSlots + r.SmallSlots) +
               "; the table holds at most " + std::to_string(kSlotTableSize - 1) + ".";
    return r;
}
