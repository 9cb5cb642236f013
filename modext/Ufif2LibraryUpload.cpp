#include "modext/Ufif2LibraryUpload.h"

#include "common/IntegerText.h"
#include "modext/LibrarySectionWriter.h"
#include "modext/PrefActions.h"
#include "transfer/UploadFile.h"

#include <string>

void Button5Click(CommandContext& ctx) {
    GetPrefActionExecute(ctx);
    const PrefControls& prefs = ctx.state.prefs;
    int32_t file = StrToInt(prefs.ssEdit);
    int32_t section = StrToInt(prefs.sEdit);
    if (!ctx.ui.confirm("Are you sure to upload library into section " + std::to_string(section) +
                        "-" + std::to_string(file) + "?"))
        return;
    file = StrToInt(prefs.ssEdit);
    section = StrToInt(prefs.sEdit);
    // The edits hold byte values of the record; the phone link takes one byte each.
    UploadUfif2Library(ctx, static_cast<uint8_t>(section), static_cast<uint8_t>(file));
}

void UploadUfif2Library(CommandContext& ctx, uint8_t section, uint8_t file) {
    const auto path = ctx.ui.chooseFile(FileDialog::Open1);
    if (!path)
        return;
    ctx.state.slotMenuEnabled = false;
    ctx.ui.setStatus("Uploading data...");
    const TrimmedUpload upload = ReadTrimmedUpload(*path, kUfif2LibraryLimit);
    if (upload.tooBig) {
        ctx.ui.showMessage("Can't uplod - library file too big!", "ERROR");
        ctx.state.slotMenuEnabled = true;
        return;
    }
    WriteLibrarySection(ctx, section, file, upload.bytes);
}
