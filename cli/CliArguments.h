#pragma once

#include "common/AppState.h"
#include "slots/SlotTable.h"

#include <optional>
#include <string_view>

// A SLOT argument: SECTION-FILE in decimal, leading zeros allowed ("18-9",
// "18-09", "2-10"). The section is 18 or 2, the file 0..255; anything else,
// signs and blanks included, gives nullopt.
std::optional<SlotAddress> ParseSlotArgument(std::string_view text);

// A firmware argument: an index into the list's entries in decimal, or an
// entry's exact text. nullopt when it names no entry.
std::optional<int> ParseFirmwareArgument(const FirmwareChoice& firmware, std::string_view text);
