#pragma once

#include "slots/SlotTable.h"

#include <cstdint>
#include <span>

// Records what a slot holds from the first bytes of its content. `header` is
// the read buffer and `count` the number of bytes the read stored (clamped to
// the buffer). Bytes past `count` count as zero for every test and word;
// names and titles stop at `count`. Nothing past `count` is read. Sets Kind,
// Name, Compressed and IconIndex, and FormatTag and UnpackedSize where the
// content carries them; Size and the fields the content does not carry are
// left as they were.
void RecogniseSlotHeader(SlotRecord& record, std::span<const uint8_t> header, size_t count);
