#pragma once

#include "common/Command.h"

// Reads the preference record from slot 02-18 into ctx.state.prefs: the
// library edits (or "2" and "17" when the record names no library slot), the
// autorun box and edits (shown only for a full record with an autorun file),
// the menu mode (an unlisted code leaves RG1 as it was). A successful read is
// kept in prefs.lastRead. A failed session or read leaves the library edits
// empty and reports it.
void GetPrefActionExecute(CommandContext& ctx);

// Builds the record from ctx.state.prefs and writes it to slot 02-18. The edits
// are converted (sEdit, ssEdit, then AsEdit, AssEdit when autorun is ticked)
// before the phone is contacted; a text that is no number throws AppError.
// What the dialog does not show (a menu code no RG1 item stands for, bytes 10
// and 11) is taken from the last read. The write is verified by the size the
// phone reports for the slot afterwards.
void SetPrefActionExecute(CommandContext& ctx);
