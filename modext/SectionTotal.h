#pragma once

#include "common/Command.h"

// "SummSize 18": adds up the sizes the phone reports for files 0 to 31 of
// section 18 in one session (errors and empty files add nothing) and shows
// "Total Section 18xx size = N" with an empty caption. SlotMenuEnabled is set
// only when the session cannot be opened; the command never clears it.
void Button4Click(CommandContext& ctx);
