#include "transfer/ConvertUfif20.h"

#include "common/ByteOrder.h"

#include <algorithm>
#include <array>

namespace {

constexpr uint32_t kReferenceBase = 0x36A658;
constexpr uint32_t kRangeTop = 0x370000;
constexpr uint32_t kReportFloor = 0x36A630;
constexpr uint32_t kStubA = 0x4801B403; // operand 8 bytes on
constexpr uint32_t kStubB = 0x4809B407; // operand 24 bytes on
constexpr uint32_t kStubAFaulty = 0x36A9D1;
constexpr uint32_t kStubAFixed = 0x36A9D5;
constexpr uint32_t kMemoryWord = 0x820000;
constexpr uint32_t kZ7MemoryWord = 0x8A0000;
constexpr std::array<uint32_t, 6> kMovedWords = {0x36A97C, 0x36AA84, 0x36AC74,
                                                 0x36AE14, 0x36AE18, 0x36AE1C};

constexpr size_t kBodyStart = 20;

bool WordFits(std::span<const uint8_t> image, size_t offset) {
    return offset <= image.size() && image.size() - offset >= 4;
}

bool IsUfifAddress(uint32_t v) {
    return v > kReferenceBase && v < kRangeTop;
}

uint32_t Move(uint32_t v, uint32_t base) {
    return v - kReferenceBase + base; // modulo 2^32 by design
}

} // namespace

std::vector<std::string> MoveUfifAddresses(std::span<uint8_t> image, FirmwareTarget target) {
    std::vector<std::string> lines;
    size_t k = kBodyStart;
    while (WordFits(image, k)) {
        const uint32_t w = ReadWordLE(image, k);
        if (w == kStubA && WordFits(image, k + 8)) {
            uint32_t v = ReadWordLE(image, k + 8);
            if (IsUfifAddress(v)) {
                if (v == kStubAFaulty)
                    v = kStubAFixed;
                WriteWordLE(image, k + 8, Move(v, target.base));
                k += 12;
                continue;
            }
        } else if (w == kStubB && WordFits(image, k + 24)) {
            const uint32_t v = ReadWordLE(image, k + 24);
            if (IsUfifAddress(v)) {
                WriteWordLE(image, k + 24, Move(v, target.base));
                k += 32;
                continue;
            }
        } else if (std::find(kMovedWords.begin(), kMovedWords.end(), w) != kMovedWords.end()) {
            WriteWordLE(image, k, Move(w, target.base));
        } else if (w == kMemoryWord) {
            WriteWordLE(image, k, target.z7 ? kZ7MemoryWord : kMemoryWord);
        } else if (w > kReportFloor && w < kRangeTop) {
            lines.push_back("offset: " + std::to_string(k) + "; UFIF Address:" + std::to_string(w));
        }
        k += 4;
    }
    return lines;
}

size_t ConvertUfif20(CommandContext& ctx, std::span<uint8_t> image) {
    ctx.ui.setStatus("Converting data...");
    const FirmwareTarget target = ParseFirmwareText(ctx.state.firmware.text);
    std::vector<std::string> lines = MoveUfifAddresses(image, target);
    ctx.ui.setStatus("Convert done!");
    const size_t count = lines.size();
    if (count > 0)
        ctx.state.reportLines = std::move(lines);
    return count;
}
