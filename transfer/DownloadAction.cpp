#include "transfer/TransferCommands.h"

#include "common/LocalFile.h"
#include "transfer/SlotTransfer.h"

void DownloadActionExecute(CommandContext& ctx, SlotAddress slot) {
    const auto bytes = ReadSlotBytes(ctx, slot, kBigSlotLimit);
    if (!bytes)
        return;
    // The phone is free again before the person is asked for a file name.
    ctx.state.slotMenuEnabled = true;
    if (const auto path = ctx.ui.chooseFile(FileDialog::Save1))
        WriteFileWhole(*path, *bytes);
    ctx.ui.setStatus("Downloaded!");
}
