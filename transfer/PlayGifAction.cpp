#include "transfer/TransferCommands.h"

#include "common/LocalFile.h"
#include "transfer/SlotTransfer.h"

#include <filesystem>

void PlayGIFActionExecute(CommandContext& ctx, SlotAddress slot) {
    const auto bytes = ReadSlotBytes(ctx, slot, kShortReadCapacity);
    if (!bytes)
        return;
    ctx.state.slotMenuEnabled = true;
    ctx.ui.setStatus("Downloaded!");

    const std::string name = "temp.gif";
    WriteFileWhole(name, *bytes);
    // The viewer runs on its own; the desktop needs an absolute path.
    ctx.ui.openWithViewer(std::filesystem::absolute(name).string());
}
