#pragma once

#include "common/Command.h"

#include <cstddef>
#include <cstdint>

// The most words a PRG3 library table may hold (2048 bytes).
inline constexpr size_t kPrg3LibraryMaxWords = 512;
// A definition text longer than this is refused as too big without parsing:
// 512 value lines with their names and comments stay far below it.
inline constexpr size_t kPrg3TextLimit = size_t{4} << 20;

// "PRG3 library upload": UploadPrg3Library into slot 02-16.
void Button6Click(CommandContext& ctx);

// Chooses a definition text (Open1), turns it into the word table (see
// Prg3LibraryText.h), refuses more than kPrg3LibraryMaxWords words, and writes
// the table through WriteLibrarySection. A bad "RELEASE=" line or a file that
// cannot be read throws AppError before anything is written.
void UploadPrg3Library(CommandContext& ctx, uint8_t section, uint8_t file);
