#include "transfer/TransferCommands.h"

#include "common/LocalFile.h"
#include "transfer/SlotTransfer.h"

#include <filesystem>
#include <vector>

void PlayGIFActionExecute(CommandContext& ctx, SlotAddress slot) {
    ctx.state.slotMenuEnabled = false;
    ctx.ui.setStatus("Downloading data...");
    std::vector<uint8_t> buffer(kShortReadCapacity);
    {
        auto session = OpenSessionOrReport(ctx);
        if (!session)
            return;
        const auto n = ReadSlotOrReport(ctx, *session, slot, buffer);
        if (!n)
            return;
        buffer.resize(*n);
    }
    ctx.state.slotMenuEnabled = true;
    ctx.ui.setStatus("Downloaded!");

    const std::string name = "temp.gif";
    WriteFileWhole(name, buffer);
    // The viewer runs on its own; the desktop needs an absolute path.
    ctx.ui.openWithViewer(std::filesystem::absolute(name).string());
}
