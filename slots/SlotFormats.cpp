#include "slots/SlotFormats.h"

#include "common/ByteOrder.h"
#include "slots/TextCodec.h"

#include <algorithm>

namespace {

constexpr uint32_t kElfMagic = 0x464C457F;
constexpr uint32_t kUfif20Tag = 0x20000000;
constexpr uint32_t kAppendixMagic = 0x535A417F;
constexpr uint32_t kMaxDirectPhoff = 120;
constexpr size_t kProgramNameLength = 16;

} // namespace

uint32_t ElfHeaderOffset(std::span<const uint8_t> image) {
    const uint32_t phoff = ReadWordLE(image, 28);
    return phoff <= kMaxDirectPhoff ? ReadWordLE(image, phoff + 4) : 0;
}

bool IsUfif20Image(std::span<const uint8_t> image) {
    const uint32_t word0 = ReadWordLE(image, 0);
    if (image.size() >= 4 && word0 == kUfif20Tag)
        return true;
    if (image.size() < 4 || word0 != kElfMagic)
        return false;
    const uint64_t offset = ElfHeaderOffset(image);
    return offset + 4 <= image.size() && ReadWordLE(image, offset) == kUfif20Tag;
}

void MarkUfif21(std::span<uint8_t> image) {
    if (!IsUfif20Image(image))
        return;
    const size_t headerOffset = ReadWordLE(image, 0) == kElfMagic ? ElfHeaderOffset(image) : 0;
    image[headerOffset + 2] = 1;
}

std::optional<size_t> FindImageAppendix(std::span<const uint8_t> image) {
    if (image.size() < 8)
        return std::nullopt;
    const size_t end = image.size() - 8;
    if (ReadWordLE(image, end + 4) != kAppendixMagic)
        return std::nullopt;
    const uint32_t offset = ReadWordLE(image, end);
    if (offset > end)
        return std::nullopt;
    return offset;
}

std::string ProgramName(std::span<const uint8_t> bytes, size_t offset) {
    if (offset >= bytes.size())
        return {};
    auto field = bytes.subspan(offset, std::min(kProgramNameLength, bytes.size() - offset));
    size_t length = 0;
    while (length < field.size() && field[length] != 0)
        ++length;
    return DecodeWindows1251(field.first(length));
}
