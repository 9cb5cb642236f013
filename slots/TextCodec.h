#pragma once

#include <cstdint>
#include <span>
#include <string>

// Text of slot headers, made readable: the phone writes 8-bit names in the
// Windows-1251 code page and ringer titles in UTF-16LE. Both come out as UTF-8.

// Every byte is one character; bytes the code page leaves undefined become U+FFFD.
std::string DecodeWindows1251(std::span<const uint8_t> bytes);

// Little-endian 16-bit code units; an odd last byte is no unit and is ignored,
// an unpaired surrogate becomes U+FFFD.
std::string DecodeUtf16LE(std::span<const uint8_t> bytes);
