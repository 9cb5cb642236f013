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

std::optional<std::vector<uint8_t>>
ReadSlotBytes(CommandContext& ctx, SlotAddress slot, size_t capacity,
              const std::function<bool(PhoneSession&, size_t count)>& whileOpen) {
    ctx.state.slotMenuEnabled = false;
    ctx.ui.setStatus("Downloading data...");
    auto session = OpenSessionOrReport(ctx);
    if (!session)
        return std::nullopt;
    std::vector<uint8_t> buffer(capacity);
    const int32_t n = session->read(slot.section, slot.file, buffer);
    if (n < 0) {
        ctx.ui.showMessage("Error reading section " + SlotText(slot.section, slot.file), "ERROR");
        session->end();
        ctx.state.slotMenuEnabled = true;
        return std::nullopt;
    }
    buffer.resize(static_cast<size_t>(n));
    if (whileOpen && !whileOpen(*session, buffer.size())) {
        session->end();
        ctx.state.slotMenuEnabled = true;
        return std::nullopt;
    }
    return buffer;
}

WriteOutcome WriteAndVerify(CommandContext& ctx, SlotAddress slot, std::span<const uint8_t> bytes,
                    const std::string& failureText) {
    {
        auto session = OpenSessionOrReport(ctx);
        if (!session)
            return WriteOutcome::NoSession;
        session->write(slot.section, slot.file, bytes);
    }
    int32_t reported = 0;
    {
        auto session = OpenSessionOrReport(ctx);
        if (!session)
            return WriteOutcome::NoSession;
        reported = ScanSlot(ctx, *session, slot.section, slot.file);
    }
    ctx.ui.repaintGrid();
    const bool verified = reported >= 0 && static_cast<size_t>(reported) == bytes.size();
    if (verified) {
        ctx.ui.showMessage(kUploadedText, "OK!");
        ctx.ui.setStatus("Uploaded!");
    } else {
        ctx.ui.showMessage(failureText, "ERROR");
        ctx.ui.setStatus("Upload error!");
    }
    ctx.state.slotMenuEnabled = true;
    return verified ? WriteOutcome::Verified : WriteOutcome::Mismatch;
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
