#include "transfer/TransferCommands.h"

#include "common/LocalFile.h"
#include "slots/SlotFormats.h"
#include "transfer/ConvertUfif20.h"
#include "transfer/SlotTransfer.h"

#include <optional>
#include <string>
#include <vector>

namespace {

const char* const kConvertedCopyText = "Converted program stored at temp.prg file!!!";
const std::string kConvertUploadFailedText =
    std::string("Section uploaded with error or out of memory!\nTry to upload again or free some "
                "NVM memory.\n") +
    kConvertedCopyText;

} // namespace

void ConvertActionExecute(CommandContext& ctx, SlotAddress slot) {
    // A full buffer may be a cut program: writing it back would lose its
    // tail, so the slot's size decides before anything is changed.
    // A library that overstates its count gets it clamped to the buffer; the
    // slot's own size then says how much of the buffer is the program.
    std::optional<size_t> slotSize;
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
        slotSize = static_cast<size_t>(size);
        return true;
    };
    auto read = ReadSlotBytes(ctx, slot, kShortReadCapacity, wholeProgramRead);
    if (!read)
        return;
    std::vector<uint8_t>& buffer = *read;
    if (slotSize && *slotSize < buffer.size())
        buffer.resize(*slotSize);
    ctx.ui.setStatus("Downloaded!");

    if (IsUfif20Image(buffer)) {
        MarkUfif21(buffer);
        if (ConvertUfif20(ctx, buffer) > 0)
            ctx.ui.showReport(ctx.state.reportLines);
    }
    WriteFileWhole("temp.prg", buffer);

    ClearActionExecute(ctx, slot);

    ctx.ui.setStatus("Uploading data...");
    // The slot is empty now: when the program cannot be written back, the
    // person must learn where the converted copy is.
    if (WriteAndVerify(ctx, slot, buffer, kConvertUploadFailedText) == WriteOutcome::NoSession)
        ctx.ui.showMessage(kConvertedCopyText, "ERROR");
}
