#include "modext/ServiceSlot.h"

#include "modext/LibrarySectionWriter.h"
#include "transfer/TrimTrailingNops.h"
#include "transfer/UploadFile.h"

#include <vector>

void Button9Click(CommandContext& ctx) {
    const auto path = ctx.ui.chooseFile(FileDialog::Open1);
    if (!path)
        return;
    ctx.state.slotMenuEnabled = false;
    ctx.ui.setStatus("Uploading data...");
    const std::vector<uint8_t> bytes = ReadFilePrefix(*path, kServiceUploadLimit);
    const size_t n = TrimTrailingNops(bytes, bytes.size());
    WriteLibrarySection(ctx, kServiceSection, kServiceFile, std::span(bytes.data(), n));
}

void ButtonCli(CommandContext& ctx) {
    // The phone link refuses calls outside a session, so the erase gets one.
    auto session = PhoneSession::open(ctx.link, ctx.state.portNumber());
    if (!session) {
        ctx.ui.showMessage("Can't Init GPB Mode", "ERROR");
        return;
    }
    session->clear(kServiceSection, kServiceFile);
    session->end();
    ctx.ui.setStatus("Erased!");
}
