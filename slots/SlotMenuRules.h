#pragma once

#include "slots/SlotTable.h"

// Which entries of the slot context menu are enabled for the selected row.
// Fields follow the menu's order: Refresh, Upload, Upload LZO-Compressed,
// Clear, Download, Play GIF, Convert to UFIF2.1.
struct SlotMenuEntries {
    bool refresh = false;
    bool upload = false;
    bool uploadLzo = false;
    bool clear = false;
    bool download = false;
    bool playGif = false;
    bool convert = false;

    bool operator==(const SlotMenuEntries&) const = default;
};

// Enabled by the record's Kind; Convert only for a Program whose FormatTag is
// exactly 0x20000000 (a convertible UFIF 2.0 program).
SlotMenuEntries SlotMenuRules(const SlotRecord& entry);
