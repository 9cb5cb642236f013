#include "slots/FormatTagLabel.h"

#include <cstdio>

std::string FormatTagLabel(uint32_t tag) {
    if (tag >> 8 == 0x200000)
        return "UFIF 2";
    if (tag >> 8 == 0x200100)
        return "UFIF 2.1";
    // Firmware versions whose general reading would be wrong or ambiguous.
    switch (tag) {
    case 0x20031004:
        return "3.10/4";
    case 0x20036005:
        return "3.6/5";
    case 0x20054206:
        return "5.4.2/6";
    case 0x30C0DE01:
        return "PRG 3";
    case 0x3500:
        return "PRG 3.5";
    default:
        break;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%x.%x.%x/%x", (tag >> 16) & 0xF, (tag >> 12) & 0xF,
                  (tag >> 8) & 0xF, tag & 0xF);
    return text;
}
