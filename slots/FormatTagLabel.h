#pragma once

#include <cstdint>
#include <string>

// The "FW" column text of a program's format tag: "UFIF 2", "UFIF 2.1", the
// named firmware labels, or the tag's four version nibbles as "a.b.c/d".
std::string FormatTagLabel(uint32_t tag);
