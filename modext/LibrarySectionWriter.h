#pragma once

#include "common/Command.h"

#include <cstdint>
#include <span>

// The message box text of a write the phone did not take whole.
inline constexpr const char* kSectionUploadErrorText =
    "Section uploaded with error or out of memory!\nTry to upload again or free some NVM memory";

// Writes a whole image into one fixed slot in a session of its own, then runs
// CheckUploadedSection in a second one. The caller has cleared SlotMenuEnabled
// and shown "Uploading data..."; the writer sets the flag again and ends with
// "Uploaded!" whatever the check found (the check's message box tells the
// outcome). When the session cannot be opened nothing is written or checked.
void WriteLibrarySection(CommandContext& ctx, uint8_t section, uint8_t file,
                         std::span<const uint8_t> image);

// Asks the phone for the slot's size in a new session and tells the outcome
// in a message box. Returns the size when it equals `expected`, else -1 (also
// when the session cannot be opened).
int32_t CheckUploadedSection(CommandContext& ctx, uint8_t section, uint8_t file, int32_t expected);
