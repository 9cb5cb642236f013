#pragma once

#include "common/Command.h"
#include "phonelink/PhoneSession.h"
#include "slots/IconCatalogue.h" // IconImageForCode

#include <cstdint>

// Examines one slot inside the open session, records what it holds in the
// record of RowForSlot(section, file) (row 0 outside the ranges) and returns
// its size, or the negative code of the failed size query or header read.
// Sets SlotMenuEnabled on every return.
int32_t ScanSlot(CommandContext& ctx, PhoneSession& session, uint8_t section, uint8_t file);

// "Full Refresh": every configured slot in one session.
void Button1Click(CommandContext& ctx);

// "Refresh" of one slot (the window passes the selected row's slot).
void RefreshActionExecute(CommandContext& ctx, SlotAddress slot);
