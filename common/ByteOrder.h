#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian words over a span. Bytes past the span's end count as zero,
// so a reader never looks past what it was given.
inline uint32_t ReadWordLE(std::span<const uint8_t> bytes, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) {
        if (offset + i < bytes.size() && offset + i >= offset)
            value |= static_cast<uint32_t>(bytes[offset + i]) << (8 * i);
    }
    return value;
}

// Stores a word only when all four bytes lie within the span; returns whether it did.
inline bool WriteWordLE(std::span<uint8_t> bytes, size_t offset, uint32_t value) {
    if (offset > bytes.size() || bytes.size() - offset < 4)
        return false;
    for (size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    return true;
}
