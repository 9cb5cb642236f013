#pragma once

#include "common/Command.h"
#include "slots/SlotTable.h"

// The slot commands of the grid's context menu that move contents in and out
// of a slot. Each works on the slot given (the selected row's, by
// SlotForRow), clears SlotMenuEnabled when it starts and sets it again on
// every way it ends. The front end wraps each in RunCommand.

// "Upload": a file into the slot, trailing no-ops trimmed, a UFIF 2.0 program
// optionally converted, verified by the size read back.
void UploadActionExecute(CommandContext& ctx, SlotAddress slot);

// "Upload LZO-Compressed": as Upload, but the slot receives the image's LZO container.
void UploadLZOActionExecute(CommandContext& ctx, SlotAddress slot);

// "Download": the slot's bytes (at most 65536) into a file chosen after the session ends.
void DownloadActionExecute(CommandContext& ctx, SlotAddress slot);

// "Clear": erases the slot without asking and rescans it.
void ClearActionExecute(CommandContext& ctx, SlotAddress slot);

// "Play GIF": the slot's bytes (at most 21504) into "temp.gif" in the current
// directory, then opened with the desktop's viewer.
void PlayGIFActionExecute(CommandContext& ctx, SlotAddress slot);

// "Convert to UFIF2.1": reads the slot's UFIF 2.0 program, converts it, keeps
// a copy in "temp.prg", erases the slot and writes the converted program back.
// A program longer than 21504 bytes is refused before anything changes.
void ConvertActionExecute(CommandContext& ctx, SlotAddress slot);
