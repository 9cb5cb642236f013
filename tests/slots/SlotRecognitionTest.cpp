#include "slots/SlotRecognition.h"
#include "tests/slots/HeaderBytes.h"
#include "tests/slots/SlotRecordPrinter.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace std::string_view_literals;

constexpr uint32_t kLzo = 0x004F5A4C;
constexpr uint32_t kElf = 0x464C457F;

// What the row held before the scan, so that kept fields show.
SlotRecord Previous() {
    return {SlotKind::Gif, "old", 0xAAAA5555, 777, 1, 999, 5};
}

struct Case {
    const char* label;
    std::vector<uint8_t> header;
    size_t count;
    SlotKind kind;
    std::string name;
    std::optional<uint32_t> tag; // nullopt: kept
    int32_t compressed;
    std::optional<int32_t> unpacked; // nullopt: kept
    int32_t icon;
};

HeaderBytes Elf(uint32_t phoff, uint32_t headerOffset) {
    HeaderBytes h;
    h.word(0, kElf).word(28, phoff);
    if (phoff <= 120)
        h.word(phoff + 4, headerOffset);
    return h;
}

const Case kCases[] = {
    {"lzo program",
     HeaderBytes()
         .word(0, kLzo)
         .text(4, "Snake")
         .word(20, 0x20010000)
         .word(24, 50000)
         .word(28, 0xE83D),
     128, SlotKind::Program, "Snake", 0x20010000, 1, 50000, 20},
    {"lzo program, last ufif tag",
     HeaderBytes().word(0, kLzo).text(4, "Snake").word(20, 0x20FFFFFF).word(28, 0xE852), 128,
     SlotKind::Program, "Snake", 0x20FFFFFF, 1, 0, 107},
    {"lzo with a prg3 tag is data",
     HeaderBytes()
         .word(0, kLzo)
         .text(4, "Snake")
         .word(20, 0x30C0DE01)
         .word(24, 4000)
         .word(28, 0xE899),
     128, SlotKind::Data, "< Data >", 0x30C0DE01, 1, 4000, 147},
    {"lzo with an unknown icon", HeaderBytes().word(0, kLzo).word(20, 0x21000000).word(28, 0xE849),
     128, SlotKind::Data, "< Data >", 0x21000000, 1, 0, 0},

    {"elf, e_phoff 120",
     Elf(120, 40).word(40, 0x20000000).text(44, "ElfApp").word(60, 0xE852).word(64, 0xE855), 128,
     SlotKind::Program, "ElfApp", 0x20000000, 0, std::nullopt, 110},
    {"elf, e_phoff 121 uses the elf header itself",
     Elf(121, 40).text(4, "\x01\x01\x01").word(24, 0xE83D), 128, SlotKind::Program, "\x01\x01\x01",
     kElf, 0, std::nullopt, 20},
    {"elf, embedded header ends at the buffer's end",
     Elf(52, 100).word(100, 0x20036005).text(104, "Edge").word(124, 0xE80B), 128, SlotKind::Program,
     "Edge", 0x20036005, 0, std::nullopt, 1},
    {"elf, embedded header past the buffer", Elf(52, 101), 128, SlotKind::Program, "< ELF >", 0, 0,
     std::nullopt, 107},
    {"elf, embedded header at the end of the address space", Elf(52, 0xFFFFFFF0), 128,
     SlotKind::Program, "< ELF >", 0, 0, std::nullopt, 107},
    {"elf, embedded header past a short read", Elf(52, 40).word(40, 0x20000000).text(44, "Cut"), 60,
     SlotKind::Program, "< ELF >", 0, 0, std::nullopt, 107},

    {"prg3", HeaderBytes().word(0, 0x30C0DE01).text(4, "Tetris"), 128, SlotKind::Program, "Tetris",
     0x30C0DE01, 0, std::nullopt, 107},
    {"prg3.5", HeaderBytes().word(0, 0x35001234).text(4, "Race"), 128, SlotKind::Program, "Race",
     0x3500, 0, std::nullopt, 107},
    {"prg3.5 second form", HeaderBytes().word(0, 0x3501ABCD).text(4, "Race"), 128,
     SlotKind::Program, "Race", 0x3500, 0, std::nullopt, 107},
    {"ufif 2.0", HeaderBytes().word(0, 0x200000FF).text(4, "Old"), 128, SlotKind::Program, "Old",
     0x200000FF, 0, std::nullopt, 107},
    {"name of 16 characters without a zero",
     HeaderBytes().word(0, 0x20010000).text(4, "ABCDEFGHIJKLMNOPxyz"), 128, SlotKind::Program,
     "ABCDEFGHIJKLMNOP", 0x20010000, 0, std::nullopt, 107},
    {"name in windows-1251", HeaderBytes().word(0, 0x20010000).text(4, "\xC8\xE3\xF0\xE0"), 128,
     SlotKind::Program, "Игра", 0x20010000, 0, std::nullopt, 107},
    {"name stops at the bytes read", HeaderBytes().word(0, 0x20010000).text(4, "Truncated"), 9,
     SlotKind::Program, "Trunc", 0x20010000, 0, std::nullopt, 107},

    {"LIB and a blank is a ufif program", HeaderBytes().text(0, "LIB Name"), 128, SlotKind::Program,
     "Name", 0x2042494C, 0, std::nullopt, 107},
    {"LIB and a zero is a library", HeaderBytes().text(0, "LIB\0x"sv), 128, SlotKind::Data,
     "< UFIF2 ExtLibrary >", std::nullopt, 0, std::nullopt, -1},
    {"gif87a", HeaderBytes().text(0, "GIF87a"), 128, SlotKind::Gif, "< GIF-File >", std::nullopt, 0,
     std::nullopt, -1},
    {"gif89a", HeaderBytes().text(0, "GIF89a"), 128, SlotKind::Gif, "< GIF-File >", std::nullopt, 0,
     std::nullopt, -1},

    {"ringer", HeaderBytes().utf16(4, u"Звонок 1"), 128, SlotKind::Data, "10 sec ringer: Звонок 1",
     std::nullopt, 0, std::nullopt, -1},
    {"ringer title filling the buffer", HeaderBytes().utf16(4, std::u16string(62, u'a')), 128,
     SlotKind::Data, "10 sec ringer: " + std::string(62, 'a'), std::nullopt, 0, std::nullopt, -1},
    {"ringer title cut by a short read", HeaderBytes().utf16(4, u"abc"), 9, SlotKind::Data,
     "10 sec ringer: ab", std::nullopt, 0, std::nullopt, -1},

    {"prg3 library of 17 bytes",
     HeaderBytes().word(0, 0xFFFFFFFE).word(4, 1).word(8, 2).word(12, 3), 17, SlotKind::Data,
     "< PRG3 ExtLibrary ver.-2>", std::nullopt, 0, std::nullopt, -1},
    {"the same 16 bytes are data",
     HeaderBytes().word(0, 0xFFFFFFFE).word(4, 1).word(8, 2).word(12, 3), 16, SlotKind::Data,
     "< Data >", std::nullopt, 0, std::nullopt, -1},
    {"a high byte in word 2 is data", HeaderBytes().word(0, 7).word(8, 0x01000000), 128,
     SlotKind::Data, "< Data >", std::nullopt, 0, std::nullopt, -1},

    // Bytes the read did not fill count as zero, whatever the buffer held.
    {"short read hides stale bytes", HeaderBytes().text(0, "GIF89a"), 2, SlotKind::Data, "< Data >",
     std::nullopt, 0, std::nullopt, -1},
    {"nothing read", HeaderBytes().text(0, "GIF89a"), 0, SlotKind::Data,
     "10 sec ringer: ", std::nullopt, 0, std::nullopt, -1},
};

TEST(SlotRecognition, HeadersByTestOrder) {
    for (const auto& c : kCases) {
        SlotRecord record = Previous();
        RecogniseSlotHeader(record, c.header, c.count);

        SlotRecord expected = Previous();
        expected.Kind = c.kind;
        expected.Name = c.name;
        expected.FormatTag = c.tag.value_or(expected.FormatTag);
        expected.Compressed = c.compressed;
        expected.UnpackedSize = c.unpacked.value_or(expected.UnpackedSize);
        expected.IconIndex = c.icon;
        EXPECT_EQ(record, expected) << c.label;
    }
}

} // namespace
