#include "transfer/SlotTransfer.h"

#include "slots/SlotFormats.h"
#include "slots/SlotScan.h"
#include "transfer/ConvertUfif20.h"

namespace {
constexpr size_t kSmallSlotLimit = 2048;
} // namespace

size_t SlotLimit(SlotAddress slot) {
    return slot.section == kSmallSection ? kSmallSlotLimit : kBigSlotLimit;
}

std::optional<size_t> ReadSlotOrReport(CommandContext& ctx, PhoneSession& session, SlotAddress slot,
                                       std::span<uint8_t> buffer) {
    const int32_t n = session.read(slot.section, slot.file, buffer);
    if (n < 0) {
        ctx.ui.showMessage("Error reading section " + SlotText(slot.section, slot.file), "ERROR");
        session.end();
        ctx.state.slotMenuEnabled = true;
        return std::nullopt;
    }
    return static_cast<size_t>(n);
}

void WriteAndVerify(CommandContext& ctx, SlotAddress slot, std::span<const uint8_t> bytes,
                    const std::string& failureText) {
    {
        auto session = OpenSessionOrReport(ctx);
        if (!session)
            return;
        session->write(slot.section, slot.file, bytes);
    }
    int32_t reported = 0;
    {
        auto session = OpenSessionOrReport(ctx);
        if (!session)
            return;
        reported = ScanSlot(ctx, *session, slot.section, slot.file);
    }
    ctx.ui.repaintGrid();
    if (reported >= 0 && static_cast<size_t>(reported) == bytes.size()) {
        ctx.ui.showMessage(kUploadedText, "OK!");
        ctx.ui.setStatus("Uploaded!");
    } else {
        ctx.ui.showMessage(failureText, "ERROR");
        ctx.ui.setStatus("Upload error!");
    }
    ctx.state.slotMenuEnabled = true;
}

bool AskAndConvert(CommandContext& ctx, std::span<uint8_t> image) {
    if (!IsUfif20Image(image))
        return true;
    switch (ctx.ui.askConversion()) {
    case ConversionAnswer::Cancel:
        ctx.state.slotMenuEnabled = true;
        return false;
    case ConversionAnswer::No:
        return true;
    case ConversionAnswer::Yes:
        break;
    }
    MarkUfif21(image);
    if (ConvertUfif20(ctx, image) > 0)
        ctx.ui.showReport(ctx.state.reportLines);
    return true;
}
