#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A PRG3 library definition text: one 32-bit word per value line.
//
// - A line containing "RELEASE=" gives the one character after the line's
//   first "=" read as a decimal number; anything but a digit there throws
//   AppError::standard("'<char>' is not a valid integer value").
// - Any other line gives the number in its token, the text before its first
//   space (tabs do not end it): read as bare hexadecimal first, accepted when
//   the value fits in 32 bits (so at most 8 digits after leading zeros), else
//   by the manager's integer text rule (signed decimal, or "$"/"x"/"0x" hex).
// - Lines without a space, lines that begin with one and tokens that are no
//   number give nothing.

// The word a single line gives, or nullopt when it gives none.
std::optional<uint32_t> Prg3LineWord(std::string_view line);

// The words of the whole text, in line order (lines end at CR LF, LF or CR).
std::vector<uint32_t> ParsePrg3LibraryText(std::string_view text);

// The table as written to the slot: each word as 4 little-endian bytes.
std::vector<uint8_t> Prg3LibraryImage(const std::vector<uint32_t>& words);
