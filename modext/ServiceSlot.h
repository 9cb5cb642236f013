#pragma once

#include "common/Command.h"

#include <cstddef>
#include <cstdint>

// The NVM file the "U" and "C" service commands work on: 17-19.
inline constexpr uint8_t kServiceSection = 17;
inline constexpr uint8_t kServiceFile = 19;
// "U" writes at most this much of the chosen file; the rest is cut silently.
inline constexpr size_t kServiceUploadLimit = 65536;

// "U": chooses a file (Open1), takes its first kServiceUploadLimit bytes less
// trailing C0 46 pairs, and writes them to 17-19 through WriteLibrarySection.
void Button9Click(CommandContext& ctx);

// "C": erases 17-19 in a session of its own and shows "Erased!". When the
// session cannot be opened it shows "Can't Init GPB Mode" (caption "ERROR").
// SlotMenuEnabled is left as it is.
void ButtonCli(CommandContext& ctx);
