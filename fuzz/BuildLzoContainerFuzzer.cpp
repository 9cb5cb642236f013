// The LZO container of arbitrary images: it stays within the size it was
// allotted, and the safe decompressor gives back the image's program part.
#include "FuzzCheck.h"
#include "common/ByteOrder.h"
#include "slots/SlotFormats.h"
#include "transfer/BuildLzoContainer.h"

#include <lzo/lzo1x.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The upload never compresses more than a slot's worth.
    if (size > 65536)
        return 0;
    const std::vector<uint8_t> image(data, data + size);
    const size_t unpacked = FindImageAppendix(image).value_or(size);
    const size_t appendix = size - unpacked;

    const std::vector<uint8_t> container = BuildLzoContainer(image);
    FUZZ_CHECK(!container.empty());
    FUZZ_CHECK(container.size() <= kLzoHeaderSize + LzoWorstCase(unpacked) + appendix);
    FUZZ_CHECK(container.size() >= kLzoHeaderSize + appendix);
    FUZZ_CHECK(ReadWordLE(container, 0) == 0x004F5A4C);
    FUZZ_CHECK(ReadWordLE(container, 24) == unpacked);

    const size_t packed = container.size() - kLzoHeaderSize - appendix;
    std::vector<uint8_t> out(unpacked + 1);
    lzo_uint outLength = unpacked;
    const int status = lzo1x_decompress_safe(container.data() + kLzoHeaderSize, packed, out.data(),
                                             &outLength, nullptr);
    FUZZ_CHECK(status == LZO_E_OK);
    FUZZ_CHECK(outLength == unpacked);
    FUZZ_CHECK(std::equal(out.begin(), out.begin() + static_cast<long>(unpacked), image.begin()));

    // The appendix follows unchanged but for its offset word, which points at it.
    if (appendix > 0) {
        const size_t at = kLzoHeaderSize + packed;
        std::vector<uint8_t> expected(image.begin() + static_cast<long>(unpacked), image.end());
        WriteWordLE(expected, expected.size() - 8, static_cast<uint32_t>(at));
        FUZZ_CHECK(std::equal(expected.begin(), expected.end(),
                              container.begin() + static_cast<long>(at)));
        FUZZ_CHECK(FindImageAppendix(container) == at);
    }
    return 0;
}
