#pragma once

#include <cstdint>
#include <span>
#include <vector>

// An LZO container of a plain UFIF image without an appendix: magic "LZO\0",
// the image's name (bytes 4 to 19) and tag (word 0), its length as the
// unpacked size, iconCode, then the image compressed as one LZO1X-999
// stream. The image must be at least 20 bytes long.
std::vector<uint8_t> LzoPack(std::span<const uint8_t> image, uint32_t iconCode);
