#include "modext/LibrarySectionWriter.h"

#include <string>

void WriteLibrarySection(CommandContext& ctx, uint8_t section, uint8_t file,
                         std::span<const uint8_t> image) {
    auto session = OpenSessionOrReport(ctx);
    if (!session)
        return;
    session->write(section, file, image);
    session->end();
    CheckUploadedSection(ctx, section, file, static_cast<int32_t>(image.size()));
    ctx.state.slotMenuEnabled = true;
    ctx.ui.setStatus("Uploaded!");
}

int32_t CheckUploadedSection(CommandContext& ctx, uint8_t section, uint8_t file, int32_t expected) {
    ctx.ui.setStatus("Checking data...");
    auto session = OpenSessionOrReport(ctx);
    if (!session)
        return -1;
    const int32_t size = session->size(section, file);
    session->end();
    if (size == expected) {
        ctx.ui.showMessage(
            "Section uploaded sucsessfully! Size: " + std::to_string(size) + " bytes", "OK!");
        return size;
    }
    ctx.ui.showMessage(kSectionUploadErrorText, "ERROR");
    return -1;
}
