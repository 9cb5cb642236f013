// The header operations of program images: none reads past the image, the
// appendix found is where its trailer says, and marking changes one byte.
#include "FuzzCheck.h"
#include "common/ByteOrder.h"
#include "slots/SlotFormats.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact copy, so that a read one byte past the image is reported.
    const std::vector<uint8_t> image(data, data + size);

    if (const auto appendix = FindImageAppendix(image)) {
        FUZZ_CHECK(size >= 8 && *appendix <= size - 8);
        FUZZ_CHECK(ReadWordLE(image, size - 4) == 0x535A417F);
        FUZZ_CHECK(ReadWordLE(image, size - 8) == *appendix);
    }

    const uint32_t offset = ElfHeaderOffset(image);
    if (ReadWordLE(image, 28) > 120)
        FUZZ_CHECK(offset == 0);

    for (size_t at : {size_t{0}, size_t{4}, static_cast<size_t>(offset), size})
        FUZZ_CHECK(ProgramName(image, at).size() <=
                   48); // 16 code-page bytes, at most 3 UTF-8 bytes each

    if (IsUfif20Image(image)) {
        std::vector<uint8_t> marked = image;
        MarkUfif21(marked);
        FUZZ_CHECK(!IsUfif20Image(marked));
        size_t changed = 0;
        for (size_t i = 0; i < size; ++i)
            changed += marked[i] != image[i];
        FUZZ_CHECK(changed == 1);
    }
    return 0;
}
