#include "slots/SlotRecognition.h"

#include "common/ByteOrder.h"
#include "slots/IconCatalogue.h"
#include "slots/SlotFormats.h"
#include "slots/TextCodec.h"

#include <algorithm>

namespace {

constexpr uint32_t kLzoMagic = 0x004F5A4C;
constexpr uint32_t kElfMagic = 0x464C457F;
constexpr uint32_t kPrg3Tag = 0x30C0DE01;
constexpr uint32_t kPrg35Tag = 0x3500;

constexpr size_t kRingerTitleOffset = 4;
constexpr size_t kRingerTitleMaxUnits = 62;
constexpr size_t kPrg3LibraryMinBytes = 17;
// Tag, name and the icon word that the scan reads, from the embedded header's start.
constexpr uint64_t kElfEmbeddedHeaderSpan = 28;

bool IsUfifTag(uint32_t tag) {
    return tag >> 24 == 0x20;
}

bool StartsWith(std::span<const uint8_t> bytes, const char (&text)[4]) {
    return bytes.size() >= 3 && bytes[0] == text[0] && bytes[1] == text[1] && bytes[2] == text[2];
}

void SetProgram(SlotRecord& r, std::string name, uint32_t tag, int32_t icon) {
    r.Kind = SlotKind::Program;
    r.Name = std::move(name);
    r.FormatTag = tag;
    r.Compressed = 0;
    r.IconIndex = icon;
}

void SetOther(SlotRecord& r, SlotKind kind, std::string name) {
    r.Kind = kind;
    r.Name = std::move(name);
    r.Compressed = 0;
    r.IconIndex = -1;
}

std::string RingerTitle(std::span<const uint8_t> bytes) {
    if (bytes.size() <= kRingerTitleOffset)
        return {};
    auto title = bytes.subspan(kRingerTitleOffset);
    size_t units = std::min(title.size() / 2, kRingerTitleMaxUnits);
    for (size_t i = 0; i < units; ++i) {
        if (title[2 * i] == 0 && title[2 * i + 1] == 0) {
            units = i;
            break;
        }
    }
    return DecodeUtf16LE(title.first(2 * units));
}

} // namespace

void RecogniseSlotHeader(SlotRecord& record, std::span<const uint8_t> header, size_t count) {
    const auto bytes = header.first(std::min(count, header.size()));
    auto word = [&](size_t offset) { return ReadWordLE(bytes, offset); };
    auto byte = [&](size_t offset) { return offset < bytes.size() ? bytes[offset] : uint8_t{0}; };
    const uint32_t word0 = word(0);

    if (word0 == kLzoMagic) {
        const uint32_t tag = word(20);
        const bool program = IsUfifTag(tag);
        record.Kind = program ? SlotKind::Program : SlotKind::Data;
        record.Name = program ? ProgramName(bytes, 4) : "< Data >";
        record.FormatTag = tag;
        record.Compressed = 1;
        record.UnpackedSize = static_cast<int32_t>(word(24));
        record.IconIndex = IconImageForCode(word(28));
    } else if (word0 == kElfMagic) {
        const uint64_t headerOffset = ElfHeaderOffset(bytes);
        if (headerOffset + kElfEmbeddedHeaderSpan > bytes.size())
            SetProgram(record, "< ELF >", 0, kProgramIconImage);
        else
            SetProgram(record, ProgramName(bytes, headerOffset + 4), word(headerOffset),
                       IconImageForCode(word(headerOffset + 24)));
    } else if (word0 == kPrg3Tag) {
        SetProgram(record, ProgramName(bytes, 4), kPrg3Tag, kProgramIconImage);
    } else if (word0 >> 16 == 0x3500 || word0 >> 16 == 0x3501) {
        SetProgram(record, ProgramName(bytes, 4), kPrg35Tag, kProgramIconImage);
    } else if (IsUfifTag(word0)) {
        SetProgram(record, ProgramName(bytes, 4), word0, kProgramIconImage);
    } else if (StartsWith(bytes, "LIB")) {
        SetOther(record, SlotKind::Data, "< UFIF2 ExtLibrary >");
    } else if (StartsWith(bytes, "GIF")) {
        SetOther(record, SlotKind::Gif, "< GIF-File >");
    } else if (word0 == 0) {
        SetOther(record, SlotKind::Data, "10 sec ringer: " + RingerTitle(bytes));
    } else if (byte(7) == 0 && byte(11) == 0 && byte(15) == 0 &&
               bytes.size() >= kPrg3LibraryMinBytes) {
        SetOther(record, SlotKind::Data,
                 "< PRG3 ExtLibrary ver." + std::to_string(static_cast<int32_t>(word0)) + ">");
    } else {
        SetOther(record, SlotKind::Data, "< Data >");
    }
}
