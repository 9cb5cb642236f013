#include "modext/Prg3LibraryUpload.h"

#include "modext/LibrarySectionWriter.h"
#include "modext/Prg3LibraryText.h"
#include "modext/TextLines.h"

void Button6Click(CommandContext& ctx) {
    UploadPrg3Library(ctx, 2, 16);
}

void UploadPrg3Library(CommandContext& ctx, uint8_t section, uint8_t file) {
    const auto path = ctx.ui.chooseFile(FileDialog::Open1);
    if (!path)
        return;
    ctx.state.slotMenuEnabled = false;
    ctx.ui.setStatus("Uploading data...");
    const auto text = ReadTextFile(*path, kPrg3TextLimit);
    std::vector<uint32_t> words;
    if (text)
        words = ParsePrg3LibraryText(*text);
    if (!text || words.size() > kPrg3LibraryMaxWords) {
        ctx.ui.showMessage("Can't uplod - library file too big!", "ERROR");
        ctx.state.slotMenuEnabled = true;
        return;
    }
    WriteLibrarySection(ctx, section, file, Prg3LibraryImage(words));
}
