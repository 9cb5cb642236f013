#include "gbp/demo/LzoPack.h"

#include <lzo/lzo1x.h>
#include <stdexcept>

namespace {

void putWord(std::vector<uint8_t>& out, uint32_t w) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(w >> (8 * i)));
}

} // namespace

std::vector<uint8_t> LzoPack(std::span<const uint8_t> image, uint32_t iconCode) {
    if (image.size() < 20 || lzo_init() != LZO_E_OK)
        throw std::runtime_error("cannot compress the program");
    std::vector<uint8_t> out{'L', 'Z', 'O', 0};
    out.insert(out.end(), image.begin() + 4, image.begin() + 20);
    out.insert(out.end(), image.begin(), image.begin() + 4);
    putWord(out, static_cast<uint32_t>(image.size()));
    putWord(out, iconCode);

    // The worst case LZO1X documents for incompressible input.
    std::vector<uint8_t> packed(image.size() + image.size() / 16 + 64 + 3);
    std::vector<uint8_t> work(LZO1X_999_MEM_COMPRESS);
    lzo_uint packedLength = packed.size();
    if (lzo1x_999_compress(image.data(), image.size(), packed.data(), &packedLength, work.data()) !=
        LZO_E_OK)
        throw std::runtime_error("cannot compress the program");
    out.insert(out.end(), packed.begin(), packed.begin() + static_cast<long>(packedLength));
    return out;
}
