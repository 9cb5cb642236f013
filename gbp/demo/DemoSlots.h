#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DemoSlot {
    uint8_t section;
    uint8_t file;
    std::vector<uint8_t> bytes; // may be empty: a zero-length file
    std::string what;           // for the maker's listing
};

// The files of the demo phone: at least one slot of every kind the manager
// recognises, within the default grid (18-9 to 18-29, 2-10 to 2-14), plus
// the library in 2-17 and the preference record in 2-18 that points at it.
// Slots not listed stay absent.
std::vector<DemoSlot> DemoSlots();
