#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Drops trailing Thumb no-op half-words (the bytes C0 46) two bytes at a
// time, always looking at the last two bytes of the current length, whatever
// its parity. Returns the new length; a length below 2 comes back unchanged.
size_t TrimTrailingNops(std::span<const uint8_t> image, size_t length);
