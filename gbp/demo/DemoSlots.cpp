#include "gbp/demo/DemoSlots.h"

#include "gbp/demo/LzoPack.h"
#include "gbp/demo/SmileyGif.h"
#include "gbp/demo/ThumbBody.h"

#include <string_view>

namespace {

constexpr uint32_t kDefaultIcon = 0xE852;

void setWord(std::vector<uint8_t>& image, size_t offset, uint32_t w) {
    for (size_t i = 0; i < 4; ++i)
        image[offset + i] = static_cast<uint8_t>(w >> (8 * i));
}

void putWord(std::vector<uint8_t>& out, uint32_t w) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(w >> (8 * i)));
}

void putShort(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

// 16 bytes of 8-bit text padded with NULs.
void putName(std::vector<uint8_t>& out, std::string_view name) {
    for (size_t i = 0; i < 16; ++i)
        out.push_back(i < name.size() ? static_cast<uint8_t>(name[i]) : 0);
}

void putBody(std::vector<uint8_t>& out, size_t totalLength, uint32_t seed) {
    const auto body = ThumbBody(totalLength - out.size(), seed);
    out.insert(out.end(), body.begin(), body.end());
}

// A 20-byte header (tag and name) and a synthetic body: plain UFIF, PRG 3 and PRG 3.5 alike.
std::vector<uint8_t> program(uint32_t tag, std::string_view name, size_t length, uint32_t seed) {
    std::vector<uint8_t> image;
    putWord(image, tag);
    putName(image, name);
    putBody(image, length, seed);
    return image;
}

// A UFIF 2.0 program holding one word of each kind the conversion handles.
std::vector<uint8_t> convertibleProgram() {
    auto image = program(0x20000000, "Snake", 12000, 1);
    setWord(image, 64, 0x4801B403);  // stub pattern A ...
    setWord(image, 72, 0x36A9D1);    // ... and its operand, corrected then moved
    setWord(image, 160, 0x4809B407); // stub pattern B ...
    setWord(image, 184, 0x36AA84);   // ... and its operand
    setWord(image, 400, 0x36AC74);   // a free-standing address
    setWord(image, 808, 0x820000);   // the memory word
    setWord(image, 1204, 0x36A700);  // an address no rule moves: reported
    return image;
}

// A UFIF 2.1 program in an ELF file: one program header whose segment starts
// with the UfifHeader and the icon code twice after it.
std::vector<uint8_t> elfProgram(std::string_view name, uint32_t icon, size_t length,
                                uint32_t seed) {
    constexpr uint32_t kSegment = 96, kLoadAddress = 0xA0000000;
    std::vector<uint8_t> elf{0x7F, 'E', 'L', 'F', 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    putShort(elf, 2);                    // e_type: executable
    putShort(elf, 40);                   // e_machine: ARM
    putWord(elf, 1);                     // e_version
    putWord(elf, kLoadAddress + 28 + 1); // e_entry: Thumb code after the header
    putWord(elf, 52);                    // e_phoff
    putWord(elf, 0);                     // e_shoff
    putWord(elf, 0x05000000);            // e_flags: EABI 5
    putShort(elf, 52);                   // e_ehsize
    putShort(elf, 32);                   // e_phentsize
    putShort(elf, 1);                    // e_phnum
    putShort(elf, 40);                   // e_shentsize
    putShort(elf, 0);                    // e_shnum
    putShort(elf, 0);                    // e_shstrndx
    const auto segmentLength = static_cast<uint32_t>(length - kSegment);
    putWord(elf, 1);             // p_type: PT_LOAD
    putWord(elf, kSegment);      // p_offset
    putWord(elf, kLoadAddress);  // p_vaddr
    putWord(elf, kLoadAddress);  // p_paddr
    putWord(elf, segmentLength); // p_filesz
    putWord(elf, segmentLength); // p_memsz
    putWord(elf, 5);             // p_flags: read, execute
    putWord(elf, 4);             // p_align
    elf.resize(kSegment, 0);
    putWord(elf, 0x20010000);
    putName(elf, name);
    putWord(elf, icon); // read when a container is made from the image
    putWord(elf, icon); // read by the slot scan
    putBody(elf, length, seed);
    return elf;
}

// Word 0 zero, a UTF-16LE title ending in a 16-bit zero, then the clip.
std::vector<uint8_t> ringer(std::u16string_view title, size_t length) {
    std::vector<uint8_t> clip;
    putWord(clip, 0);
    for (char16_t c : title)
        putShort(clip, static_cast<uint16_t>(c));
    putShort(clip, 0);
    uint32_t sample = 0x80;
    while (clip.size() < length) {
        sample = (sample * 1103515245u + 12345u) & 0xFFFF;
        clip.push_back(static_cast<uint8_t>(0x80 + (sample >> 11) - 16));
    }
    return clip;
}

// Release number, then words below 0x01000000 as a definition file gives them.
std::vector<uint8_t> prg3Library(uint32_t release, size_t words) {
    std::vector<uint8_t> library;
    putWord(library, release);
    for (uint32_t i = 1; i < words; ++i)
        putWord(library, 0x00A00000u + i * 0x1C4u);
    return library;
}

std::vector<uint8_t> ufif2Library(size_t length) {
    std::vector<uint8_t> library{'L', 'I', 'B', 0};
    putWord(library, 0x00020009); // library version
    putBody(library, length, 7);
    return library;
}

// Starts "SAVEDATA", which none of the content tests accepts.
std::vector<uint8_t> data(size_t length) {
    std::vector<uint8_t> bytes{'S', 'A', 'V', 'E', 'D', 'A', 'T', 'A'};
    uint32_t x = 12345;
    while (bytes.size() < length) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        bytes.push_back(static_cast<uint8_t>(x));
    }
    return bytes;
}

std::vector<uint8_t> preferences() {
    // "ZUV2", menu shows programs and data, library in 2-17, autorun 18-9.
    return {'Z', 'U', 'V', '2', 0x07, 0, 17, 2, 9, 18, 0, 0};
}

} // namespace

std::vector<DemoSlot> DemoSlots() {
    // "Tetris" in Cyrillic, Windows-1251 bytes.
    constexpr std::string_view kCyrillicName = "\xD2\xE5\xF2\xF0\xE8\xF1";
    return {
        {18, 9, convertibleProgram(), "UFIF 2.0 program \"Snake\", convertible"},
        {18, 10, program(0x20010000, "Calc", 6000, 2), "UFIF 2.1 program \"Calc\""},
        {18, 11, program(0x20031004, "Clock", 4500, 3), "program \"Clock\" for firmware 3.10/4"},
        {18, 12, program(0x30C0DE01, "Notes", 8000, 4), "PRG 3 program \"Notes\""},
        {18, 13, program(0x35000001, "Torch", 7000, 5), "PRG 3.5 program \"Torch\""},
        {18, 14, elfProgram("Radio", 0xE80C, 23000, 6), "ELF-wrapped program \"Radio\", icon E80C"},
        {18, 15, LzoPack(program(0x20010000, "Mines", 30000, 8), kDefaultIcon),
         "LZO-compressed program \"Mines\""},
        {18, 16, {}, "empty (zero-length file)"},
        {18, 17, program(0x20010000, kCyrillicName, 16000, 9),
         "UFIF 2.1 program with a Cyrillic name"},
        {18, 18, ringer(u"Morning Bell", 3000), "ringer clip \"Morning Bell\""},
        {18, 19, data(2500), "data"},
        {18, 20, program(0x20036005, "Maze", 25000, 10), "program \"Maze\" for firmware 3.6/5"},
        {18, 25, {}, "empty (zero-length file)"},
        {2, 10, ufif2Library(1800), "UFIF2 extension library"},
        {2, 11, prg3Library(3, 64), "PRG3 extension library, release 3"},
        {2, 12, SmileyGif(), "GIF picture, 16 x 16"},
        {2, 13, {}, "empty (zero-length file)"},
        {2, 17, ufif2Library(1800), "UFIF2 extension library (where the preferences point)"},
        {2, 18, preferences(), "preference record"},
    };
}
