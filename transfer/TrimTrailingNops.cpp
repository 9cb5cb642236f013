#include "transfer/TrimTrailingNops.h"

size_t TrimTrailingNops(std::span<const uint8_t> image, size_t length) {
    if (length > image.size())
        length = image.size();
    while (length >= 2 && image[length - 2] == 0xC0 && image[length - 1] == 0x46)
        length -= 2;
    return length;
}
