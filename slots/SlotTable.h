#pragma once

#include <array>
#include <cstdint>
#include <string>

enum class SlotKind : int32_t { Empty = 0, Program = 1, Gif = 3, Data = 4 };

// What one grid row knows about its slot. Name is UTF-8 (decoded from the
// phone's 8-bit code page when it came from a header).
struct SlotRecord {
    SlotKind Kind = SlotKind::Empty;
    std::string Name;
    uint32_t FormatTag = 0;
    int32_t Size = 0;
    int32_t Compressed = 0;
    int32_t UnpackedSize = 0;
    int32_t IconIndex = 0;

    bool operator==(const SlotRecord&) const = default;
};

constexpr int kSlotTableSize = 100;
constexpr uint8_t kBigSection = 18;
constexpr uint8_t kSmallSection = 2;

// Indexed by grid row; row 0 is the scratch record behind the title row.
using SlotTable = std::array<SlotRecord, kSlotTableSize>;

void ResetSlotTable(SlotTable& table);

struct RangeSettings {
    int32_t FirstBig = 9;
    int32_t BigSlots = 21;
    int32_t FirstSmall = 10;
    int32_t SmallSlots = 5;

    bool operator==(const RangeSettings&) const = default;
};

// True when the ranges can index the table: counts not negative, at most 99
// rows together, and every file number within 0..255.
bool RangesFitTable(const RangeSettings& ranges);

struct SlotAddress {
    uint8_t section = 0;
    uint8_t file = 0;

    bool operator==(const SlotAddress&) const = default;
};

SlotAddress SlotForRow(const RangeSettings& ranges, int row);

// The grid row of a slot, or 0 (the scratch row) outside the configured ranges.
int RowForSlot(const RangeSettings& ranges, uint8_t section, uint8_t file);

// "18-9", "2-10": the address as the manager's texts write it.
std::string SlotText(uint8_t section, uint8_t file);
