#include "transfer/TransferCommands.h"

#include "common/LocalFile.h"
#include "transfer/SlotTransfer.h"

#include <vector>

void DownloadActionExecute(CommandContext& ctx, SlotAddress slot) {
    ctx.state.slotMenuEnabled = false;
    ctx.ui.setStatus("Downloading data...");
    std::vector<uint8_t> buffer(kBigSlotLimit);
    {
        auto session = OpenSessionOrReport(ctx);
        if (!session)
            return;
        const auto n = ReadSlotOrReport(ctx, *session, slot, buffer);
        if (!n)
            return;
        buffer.resize(*n);
    }
    // The phone is free again before the person is asked for a file name.
    ctx.state.slotMenuEnabled = true;
    if (const auto path = ctx.ui.chooseFile(FileDialog::Save1))
        WriteFileWhole(*path, buffer);
    ctx.ui.setStatus("Downloaded!");
}
