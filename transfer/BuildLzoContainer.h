#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Size of the container header: magic, programName, formatTag, unpackedSize, iconCode.
constexpr size_t kLzoHeaderSize = 32;

// LZO1X's worst case for n input bytes.
constexpr size_t LzoWorstCase(size_t n) {
    return n + n / 16 + 64 + 3;
}

// Builds the compressed container of an image: a 32-byte header ("LZO\0",
// programName, formatTag, unpackedSize, iconCode), the image less its
// appendix compressed by LZO1X-999, then the appendix with its offset word
// rewritten to where it now starts. Header fields come from the embedded
// header of an ELF-wrapped image when that header lies within the image,
// else from words 0 to 4 (zero where the image is shorter); the icon code is
// the ELF header's word 20 when within the image, else 0xE852. The output is
// sized for LZO's worst case, so incompressible input never overruns it; the
// caller applies the slot limit. Returns an empty vector when the work memory
// cannot be obtained or the library reports an error.
std::vector<uint8_t> BuildLzoContainer(std::span<const uint8_t> image);
