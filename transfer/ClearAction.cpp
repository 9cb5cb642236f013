#include "transfer/TransferCommands.h"

#include "slots/SlotScan.h"

void ClearActionExecute(CommandContext& ctx, SlotAddress slot) {
    ctx.state.slotMenuEnabled = false;
    ctx.ui.setStatus("Erasing section...");
    {
        auto session = OpenSessionOrReport(ctx);
        if (!session)
            return;
        session->clear(slot.section, slot.file);
        // The scan reports its own errors; the erase is done either way.
        ScanSlot(ctx, *session, slot.section, slot.file);
    }
    ctx.ui.setStatus("Erased!");
    ctx.ui.repaintGrid();
    ctx.state.slotMenuEnabled = true;
}
