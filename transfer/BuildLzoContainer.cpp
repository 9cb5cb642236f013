#include "transfer/BuildLzoContainer.h"

#include "common/ByteOrder.h"
#include "slots/SlotFormats.h"

#include <lzo/lzo1x.h>

#include <algorithm>
#include <array>
#include <memory>
#include <new>

namespace {

constexpr uint32_t kElfMagic = 0x464C457F;
constexpr uint32_t kDefaultIcon = 0xE852;
constexpr size_t kUfifHeaderSize = 20;
constexpr size_t kNameSize = 16;

struct ContainerHeader {
    uint32_t formatTag = 0;
    std::array<uint8_t, kNameSize> programName{};
    uint32_t iconCode = kDefaultIcon;
};

bool Within(std::span<const uint8_t> image, size_t offset, size_t length) {
    return offset <= image.size() && image.size() - offset >= length;
}

ContainerHeader ReadHeader(std::span<const uint8_t> image) {
    size_t at = 0;
    bool elf = false;
    if (ReadWordLE(image, 0) == kElfMagic) {
        const size_t embedded = ElfHeaderOffset(image);
        if (Within(image, embedded, kUfifHeaderSize)) {
            at = embedded;
            elf = true;
        }
    }
    ContainerHeader header;
    header.formatTag = ReadWordLE(image, at);
    for (size_t i = 0; i < kNameSize; ++i)
        header.programName[i] = Within(image, at + 4 + i, 1) ? image[at + 4 + i] : 0;
    if (elf && Within(image, at + kUfifHeaderSize, 4))
        header.iconCode = ReadWordLE(image, at + kUfifHeaderSize);
    return header;
}

} // namespace

std::vector<uint8_t> BuildLzoContainer(std::span<const uint8_t> image) {
    const size_t n = image.size();
    const size_t unpacked = FindImageAppendix(image).value_or(n);
    const std::span<const uint8_t> program = image.first(unpacked);
    const std::span<const uint8_t> appendix = image.subspan(unpacked);
    const ContainerHeader header = ReadHeader(image);

    // Work memory for this call only; lzo_align_t keeps the alignment the compressor expects.
    constexpr size_t kWorkUnits =
        (LZO1X_999_MEM_COMPRESS + sizeof(lzo_align_t) - 1) / sizeof(lzo_align_t);
    std::unique_ptr<lzo_align_t[]> work(new (std::nothrow) lzo_align_t[kWorkUnits]);
    if (!work || lzo_init() != LZO_E_OK)
        return {};

    std::vector<uint8_t> container(kLzoHeaderSize + LzoWorstCase(unpacked) + appendix.size());
    lzo_uint compressed = LzoWorstCase(unpacked);
    // The library's prototype lacks const on the source; it only reads it.
    uint8_t none = 0;
    auto* source = program.empty() ? &none : const_cast<uint8_t*>(program.data());
    if (lzo1x_999_compress(source, program.size(), container.data() + kLzoHeaderSize, &compressed,
                           work.get()) != LZO_E_OK)
        return {};
    work.reset();

    const std::array<uint8_t, 4> magic = {'L', 'Z', 'O', 0};
    std::copy(magic.begin(), magic.end(), container.begin());
    std::copy(header.programName.begin(), header.programName.end(), container.begin() + 4);
    WriteWordLE(container, 20, header.formatTag);
    WriteWordLE(container, 24, static_cast<uint32_t>(unpacked));
    WriteWordLE(container, 28, header.iconCode);

    const size_t appendixAt = kLzoHeaderSize + compressed;
    std::copy(appendix.begin(), appendix.end(), container.begin() + static_cast<long>(appendixAt));
    container.resize(appendixAt + appendix.size());
    if (!appendix.empty())
        WriteWordLE(container, container.size() - 8, static_cast<uint32_t>(appendixAt));
    return container;
}
