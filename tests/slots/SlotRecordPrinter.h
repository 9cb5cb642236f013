#pragma once

#include "slots/SlotTable.h"

#include <ostream>

// Readable failure messages for records (found by GoogleTest through ADL).
inline void PrintTo(const SlotRecord& r, std::ostream* os) {
    *os << "{kind " << static_cast<int>(r.Kind) << ", name '" << r.Name << "', tag 0x" << std::hex
        << r.FormatTag << std::dec << ", size " << r.Size << ", compressed " << r.Compressed
        << ", unpacked " << r.UnpackedSize << ", icon " << r.IconIndex << "}";
}
