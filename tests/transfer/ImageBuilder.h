#pragma once

#include "common/ByteOrder.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Test images made of little-endian words, with a few helpers to place
// fields at given offsets.
inline Bytes Words(std::initializer_list<uint32_t> words) {
    Bytes bytes(words.size() * 4);
    size_t at = 0;
    for (uint32_t w : words) {
        WriteWordLE(bytes, at, w);
        at += 4;
    }
    return bytes;
}

inline void PutWord(Bytes& bytes, size_t offset, uint32_t value) {
    if (bytes.size() < offset + 4)
        bytes.resize(offset + 4);
    WriteWordLE(bytes, offset, value);
}

inline void PutText(Bytes& bytes, size_t offset, const std::string& text) {
    if (bytes.size() < offset + text.size())
        bytes.resize(offset + text.size());
    for (size_t i = 0; i < text.size(); ++i)
        bytes[offset + i] = static_cast<uint8_t>(text[i]);
}

// A UFIF program: the tag, a name, and body words from offset 20.
inline Bytes UfifProgram(uint32_t tag, const std::string& name,
                         std::initializer_list<uint32_t> body) {
    Bytes image(20);
    WriteWordLE(image, 0, tag);
    PutText(image, 4, name);
    const Bytes words = Words(body);
    image.insert(image.end(), words.begin(), words.end());
    return image;
}
