#pragma once

#include "common/Command.h"

#include <cstddef>
#include <cstdint>

// The most a UFIF2 library may take once trailing no-ops are trimmed.
inline constexpr size_t kUfif2LibraryLimit = 21504;

// "UFIF2 library upload": reads the preference record for the library slot,
// asks to confirm it, then runs UploadUfif2Library. Edits that are no number
// (a failed read leaves them empty) throw AppError before anything is asked.
void Button5Click(CommandContext& ctx);

// Chooses a file (Open1), trims trailing C0 46 pairs, refuses more than
// kUfif2LibraryLimit bytes and writes the rest through WriteLibrarySection.
void UploadUfif2Library(CommandContext& ctx, uint8_t section, uint8_t file);
