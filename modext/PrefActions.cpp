#include "modext/PrefActions.h"

#include "common/IntegerText.h"
#include "modext/LibrarySectionWriter.h"
#include "modext/PrefRecord.h"

#include <array>
#include <string>

namespace {

// The radio group's item for a menu code, or -1 when no item stands for it.
int menuModeItem(uint8_t code) {
    for (size_t i = 0; i < kMenuModeCodes.size(); ++i) {
        if (kMenuModeCodes[i] == code)
            return static_cast<int>(i);
    }
    return -1;
}

// With no item selected the code the phone gave last is written back, so an
// unlisted code survives a round trip through the dialog.
uint8_t menuModeToWrite(const PrefControls& prefs) {
    if (prefs.RG1 >= 0 && prefs.RG1 < static_cast<int>(kMenuModeCodes.size()))
        return kMenuModeCodes[static_cast<size_t>(prefs.RG1)];
    if (prefs.lastRead && prefs.lastRead->size() > 4)
        return (*prefs.lastRead)[4];
    return kDefaultMenuMode;
}

uint8_t lowByte(const std::string& text) {
    return static_cast<uint8_t>(StrToInt(text) & 0xFF);
}

} // namespace

void GetPrefActionExecute(CommandContext& ctx) {
    PrefControls& prefs = ctx.state.prefs;
    prefs.sEdit.clear();
    prefs.ssEdit.clear();
    ctx.state.slotMenuEnabled = false;

    auto session = OpenSessionOrReport(ctx);
    if (!session)
        return;
    std::array<uint8_t, kPrefRecordSize> buffer{};
    const int32_t n = session->read(kPrefSection, kPrefFile, buffer);
    if (n < 0) {
        ctx.ui.showMessage("Error reading section " + std::to_string(kPrefSection) + "-" +
                               std::to_string(kPrefFile),
                           "ERROR");
        session->end();
        ctx.state.slotMenuEnabled = true;
        return;
    }
    session->end();
    ctx.state.slotMenuEnabled = true;

    const std::span<const uint8_t> got(buffer.data(), static_cast<size_t>(n));
    prefs.lastRead = std::vector<uint8_t>(got.begin(), got.end());
    const PrefRecord record = ParsePrefRecord(got);

    if (got.size() >= kPrefRecordSize && record.autorunFile != 0) {
        prefs.autorunEditsVisible = true;
        prefs.AsEdit = std::to_string(record.autorunSection);
        prefs.AssEdit = std::to_string(record.autorunFile);
        prefs.ACheckBox = true;
    } else {
        prefs.autorunEditsVisible = false;
        prefs.ACheckBox = false;
    }

    if (int item = menuModeItem(record.menuMode); item >= 0)
        prefs.RG1 = item;

    if (record.librarySection != 0) {
        prefs.sEdit = std::to_string(record.librarySection);
        prefs.ssEdit = std::to_string(record.libraryFile);
    } else {
        prefs.sEdit = "2";
        prefs.ssEdit = "17";
    }
}

void SetPrefActionExecute(CommandContext& ctx) {
    const PrefControls& prefs = ctx.state.prefs;
    ctx.state.slotMenuEnabled = false;
    ctx.ui.setStatus("Uploading data...");

    PrefRecord record;
    record.menuMode = menuModeToWrite(prefs);
    record.librarySection = lowByte(prefs.sEdit);
    record.libraryFile = lowByte(prefs.ssEdit);
    if (prefs.ACheckBox) {
        record.autorunSection = lowByte(prefs.AsEdit);
        record.autorunFile = lowByte(prefs.AssEdit);
    }
    // Bytes the phone gave us that the dialog has no control for go back as they came.
    if (prefs.lastRead && prefs.lastRead->size() >= kPrefRecordSize) {
        record.reserved10 = (*prefs.lastRead)[10];
        record.reserved11 = (*prefs.lastRead)[11];
    }
    const auto bytes = BuildPrefRecord(record);

    auto session = OpenSessionOrReport(ctx);
    if (!session)
        return;
    session->write(kPrefSection, kPrefFile, bytes);
    // The write's own result says nothing reliable; the size the phone now
    // reports for the slot does, and, since an old record has the same size,
    // so do the bytes read back.
    bool stored = session->size(kPrefSection, kPrefFile) == static_cast<int32_t>(kPrefRecordSize);
    if (stored) {
        std::array<uint8_t, kPrefRecordSize> readBack{};
        stored = session->read(kPrefSection, kPrefFile, readBack) ==
                     static_cast<int32_t>(kPrefRecordSize) &&
                 readBack == bytes;
    }
    session->end();
    if (stored) {
        ctx.ui.setStatus("Uploaded!");
    } else {
        ctx.ui.showMessage(kSectionUploadErrorText, "ERROR");
        ctx.ui.setStatus("Upload error!");
    }
    ctx.state.slotMenuEnabled = true;
}
