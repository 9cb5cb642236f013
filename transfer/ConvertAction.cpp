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
    // A full buffer may be a cut program: writing it back would lose its
    // tail, so the slot's size decides before anything is changed.
    auto wholeProgramRead = [&](PhoneSession& session, size_t count) {
        if (count < kShortReadCapacity)
            return true;
        const int32_t size = session.size(slot.section, slot.file);
        if (size < 0) {
            ctx.ui.showMessage("Error reading section " + SlotText(slot.section, slot.file),
                               "ERROR");
            return false;
        }
        if (static_cast<size_t>(size) > kShortReadCapacity) {
            ctx.ui.showMessage("Can't convert - program is bigger than 21504 bytes!", "ERROR");
            return false;
        }
        return true;
    };
    auto read = ReadSlotBytes(ctx, slot, kShortReadCapacity, wholeProgramRead);
    if (!read)
        return;
    std::vector<uint8_t>& buffer = *read;
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
