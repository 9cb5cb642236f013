#pragma once

#include <cstdint>
#include <string_view>

// The firmware a UFIF 2.0 program is converted for, read from a firmware
// list text such as "0x370000 - J7/70 3.10/4".
struct FirmwareTarget {
    uint32_t base = 0; // the firmware's UFIF address
    bool z7 = false;   // the model is "Z7" or "z7"
};

// base: the text before the first blank, read by StrToInt (a text without a
// blank has an empty base and throws like any text that is not a number).
// model: the two characters after the first " - ", or the third and fourth
// characters when there is none (fewer when the text is shorter).
FirmwareTarget ParseFirmwareText(std::string_view text);
