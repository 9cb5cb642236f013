#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The modification's preference record in slot 02-18. In both slot
// references the file number comes before the section number.
struct PrefRecord {
    uint8_t menuMode = 0;       // offset 4: 0x03, 0x07 or 0xFF, see kMenuModeCodes
    uint8_t libraryFile = 0;    // offset 6
    uint8_t librarySection = 0; // offset 7: 0 means no library slot is set
    uint8_t autorunFile = 0;    // offset 8: 0 means autorun is off
    uint8_t autorunSection = 0; // offset 9
    uint8_t reserved10 = 0;     // offsets 10 and 11: kept, never interpreted
    uint8_t reserved11 = 0;
};

inline constexpr uint8_t kPrefSection = 2;
inline constexpr uint8_t kPrefFile = 18;
inline constexpr size_t kPrefRecordSize = 12;
// The menu show modes in the order of the dialog's radio group items.
inline constexpr std::array<uint8_t, 3> kMenuModeCodes{0x03, 0x07, 0xFF};
// Written when nothing better is known: "Only programs".
inline constexpr uint8_t kDefaultMenuMode = 0x03;

// The fields of a record as read from the phone. Reads only within `bytes`; a
// field past their end counts as 0. The magic and byte 5 are not looked at.
PrefRecord ParsePrefRecord(std::span<const uint8_t> bytes);

// The 12 bytes as stored: "ZUV2", the fields at their offsets, byte 5 = 0.
std::array<uint8_t, kPrefRecordSize> BuildPrefRecord(const PrefRecord& record);
