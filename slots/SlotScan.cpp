#include "slots/SlotScan.h"

#include "phonelink/GbpApi.h"
#include "slots/SlotRecognition.h"

#include <array>

namespace {

constexpr size_t kHeaderBytes = 128;

// The record a scan of this address writes: its grid row, or the scratch
// row 0 for an address outside the ranges (or ranges the table cannot hold).
SlotRecord& RecordFor(AppState& state, uint8_t section, uint8_t file) {
    const int row = RowForSlot(state.ranges, section, file);
    return state.table[row > 0 && row < kSlotTableSize ? row : 0];
}

void SetEmpty(SlotRecord& r) {
    r.Kind = SlotKind::Empty;
    r.Name = "< Empty >";
    r.Size = 0;
    r.Compressed = 0;
    r.UnpackedSize = 0;
    r.IconIndex = kEmptySlotIconImage;
}

int32_t Scan(CommandContext& ctx, PhoneSession& session, uint8_t section, uint8_t file) {
    SlotRecord& record = RecordFor(ctx.state, section, file);
    const std::string slot = SlotText(section, file);
    ctx.ui.setStatus("Refreshing section " + slot + "...");

    const int32_t size = session.size(section, file);
    // A missing file is reported with an error code, but it is just an empty slot.
    if (size == 0 || size == GBP_NO_SUCH_FILE || size == GBP_NO_SUCH_FILE_ALT) {
        SetEmpty(record);
        return 0;
    }
    if (size < 0) {
        ctx.ui.showMessage("Error getting section " + slot + " size", "ERROR");
        return size;
    }
    if (!ctx.state.readHeaders) {
        record.Kind = SlotKind::Program;
        record.Name.clear();
        record.FormatTag = 0;
        record.Size = size;
        record.Compressed = 0;
        record.IconIndex = -1;
        return size;
    }

    std::array<uint8_t, kHeaderBytes> header{};
    const int32_t count = session.read(section, file, header);
    if (count < 0) {
        ctx.ui.showMessage("Error reading section " + slot, "ERROR");
        return count;
    }
    record.Size = size;
    RecogniseSlotHeader(record, header, static_cast<size_t>(count));
    return size;
}

// Scans one run of slots, stopping at the first slot that fails.
void ScanRun(CommandContext& ctx, PhoneSession& session, uint8_t section, int32_t first,
             int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        if (ScanSlot(ctx, session, section, static_cast<uint8_t>(first + i)) < 0)
            return;
        ctx.ui.repaintGrid();
    }
}

} // namespace

int32_t ScanSlot(CommandContext& ctx, PhoneSession& session, uint8_t section, uint8_t file) {
    const int32_t result = Scan(ctx, session, section, file);
    ctx.state.slotMenuEnabled = true;
    return result;
}

void Button1Click(CommandContext& ctx) {
    ctx.state.slotMenuEnabled = false;
    auto session = OpenSessionOrReport(ctx);
    if (!session)
        return;
    const RangeSettings ranges = ctx.state.ranges;
    ScanRun(ctx, *session, kBigSection, ranges.FirstBig, ranges.BigSlots);
    ScanRun(ctx, *session, kSmallSection, ranges.FirstSmall, ranges.SmallSlots);
    ctx.ui.repaintGrid();
    session->end();
    ctx.ui.setStatus("Updated!");
    ctx.ui.showMessage("Update done!", "");
}

void RefreshActionExecute(CommandContext& ctx, SlotAddress slot) {
    ctx.state.slotMenuEnabled = false;
    auto session = OpenSessionOrReport(ctx);
    if (!session)
        return;
    ScanSlot(ctx, *session, slot.section, slot.file);
    session->end();
    ctx.ui.repaintGrid();
    ctx.ui.setStatus("Refreshed!");
}
