#include "transfer/TransferCommands.h"

#include "transfer/BuildLzoContainer.h"
#include "transfer/SlotTransfer.h"
#include "transfer/UploadFile.h"

#include <optional>
#include <vector>

namespace {

const char* const kUploadFailedText =
    "Section uploaded with error or out of memory!\nTry to upload again or free some NVM memory";

void EndWithMessage(CommandContext& ctx, const std::string& text) {
    ctx.ui.showMessage(text, "ERROR");
    ctx.state.slotMenuEnabled = true;
}

// The steps both uploads share up to the image that goes to the slot: the
// file chosen, read and trimmed (never more than one slot's worth kept), and
// the conversion question. nullopt when the command has ended.
std::optional<std::vector<uint8_t>> PrepareUpload(CommandContext& ctx) {
    const auto path = ctx.ui.chooseFile(FileDialog::Open1);
    if (!path)
        return std::nullopt;
    ctx.state.slotMenuEnabled = false;
    ctx.ui.setStatus("Uploading data...");

    TrimmedUpload upload = ReadTrimmedUpload(*path, kBigSlotLimit);
    if (upload.tooBig) {
        EndWithMessage(ctx, kTooBigText);
        return std::nullopt;
    }
    if (!AskAndConvert(ctx, upload.bytes))
        return std::nullopt;
    return std::move(upload.bytes);
}

void WriteIfItFits(CommandContext& ctx, SlotAddress slot, std::span<const uint8_t> bytes) {
    if (bytes.size() > SlotLimit(slot)) {
        EndWithMessage(ctx, kTooBigText);
        return;
    }
    WriteAndVerify(ctx, slot, bytes, kUploadFailedText);
}

} // namespace

void UploadActionExecute(CommandContext& ctx, SlotAddress slot) {
    const auto image = PrepareUpload(ctx);
    if (!image)
        return;
    WriteIfItFits(ctx, slot, *image);
}

void UploadLZOActionExecute(CommandContext& ctx, SlotAddress slot) {
    const auto image = PrepareUpload(ctx);
    if (!image)
        return;
    const std::vector<uint8_t> container = BuildLzoContainer(*image);
    // An empty container would erase the slot's content: refuse it.
    if (container.empty()) {
        EndWithMessage(ctx, "LZO compression error!");
        return;
    }
    WriteIfItFits(ctx, slot, container);
}
