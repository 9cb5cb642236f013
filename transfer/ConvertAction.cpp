#include "transfer/TransferCommands.h"

#include "common/LocalFile.h"
#include "slots/SlotFormats.h"
#include "transfer/ConvertUfif20.h"
#include "transfer/SlotTransfer.h"

#include <vector>

namespace {

const char* const kConvertUploadFailedText =
    "Section uploaded with error or out of memory!\nTry to upload again or free some NVM memory.\n"
    "Converted program stored at temp.prg file!!!";

} // namespace

void ConvertActionExecute(CommandContext& ctx, SlotAddress slot) {
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
        // A full buffer may be a cut program: writing it back would lose its
        // tail, so the slot's size decides before anything is changed.
        if (*n == buffer.size()) {
            const int32_t size = session->size(slot.section, slot.file);
            if (size < 0) {
                ctx.ui.showMessage("Error reading section " + SlotText(slot.section, slot.file),
                                   "ERROR");
                ctx.state.slotMenuEnabled = true;
                return;
            }
            if (static_cast<size_t>(size) > buffer.size()) {
                ctx.ui.showMessage("Can't convert - program is bigger than 21504 bytes!", "ERROR");
                ctx.state.slotMenuEnabled = true;
                return;
            }
        }
        buffer.resize(*n);
    }
    ctx.ui.setStatus("Downloaded!");

    if (IsUfif20Image(buffer)) {
        MarkUfif21(buffer);
        if (ConvertUfif20(ctx, buffer) > 0)
            ctx.ui.showReport(ctx.state.reportLines);
    }
    WriteFileWhole("temp.prg", buffer);

    ClearActionExecute(ctx, slot);

    ctx.ui.setStatus("Uploading data...");
    WriteAndVerify(ctx, slot, buffer, kConvertUploadFailedText);
}
