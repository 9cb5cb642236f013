#include "slots/SlotFormats.h"
#include "slots/TextCodec.h"
#include "tests/slots/HeaderBytes.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kElf = 0x464C457F;

TEST(SlotFormats, ElfHeaderOffsetFollowsTheProgramHeaderOnlyUpTo120) {
    struct Case {
        uint32_t phoff;
        uint32_t expected;
    };
    const Case cases[] = {
        {52, 0x40},  // word at 56
        {120, 0x60}, // word at 124, the last one that fits 128 bytes
        {121, 0},
        {0xFFFFFFFF, 0},
    };
    for (const auto& c : cases) {
        HeaderBytes h;
        h.word(0, kElf).word(28, c.phoff).word(56, 0x40).word(124, 0x60);
        EXPECT_EQ(ElfHeaderOffset(h.bytes()), c.expected) << "e_phoff " << c.phoff;
    }
}

TEST(SlotFormats, ElfHeaderOffsetOfAShortImageReadsNothingPastIt) {
    HeaderBytes h(40);
    h.word(0, kElf).word(28, 36).word(36, 0x1122); // the word at 40 lies past the image
    EXPECT_EQ(ElfHeaderOffset(h.bytes()), 0u);
}

TEST(SlotFormats, IsUfif20Image) {
    struct Case {
        const char* label;
        std::vector<uint8_t> image;
        bool expected;
    };
    const Case cases[] = {
        {"plain 2.0", HeaderBytes(32).word(0, 0x20000000), true},
        {"plain 2.0 not convertible", HeaderBytes(32).word(0, 0x200000FF), false},
        {"plain 2.1", HeaderBytes(32).word(0, 0x20010000), false},
        {"elf with 2.0 inside",
         HeaderBytes(128).word(0, kElf).word(28, 52).word(56, 64).word(64, 0x20000000), true},
        {"elf with 2.1 inside",
         HeaderBytes(128).word(0, kElf).word(28, 52).word(56, 64).word(64, 0x20010000), false},
        {"elf header past the image", HeaderBytes(66).word(0, kElf).word(28, 52).word(56, 64),
         false},
        {"too short for a word", std::vector<uint8_t>{0x00, 0x00, 0x00}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsUfif20Image(c.image), c.expected) << c.label;
}

TEST(SlotFormats, MarkUfif21ChangesTheEmbeddedHeaderOfAnElfImage) {
    std::vector<uint8_t> elf =
        HeaderBytes(128).word(0, kElf).word(28, 52).word(56, 64).word(64, 0x20000000);
    auto expected = elf;
    expected[66] = 1;
    MarkUfif21(elf);
    EXPECT_EQ(elf, expected);

    std::vector<uint8_t> plain = HeaderBytes(24).word(0, 0x20000000);
    MarkUfif21(plain);
    EXPECT_EQ(plain[2], 1);
    EXPECT_EQ(plain[3], 0x20);
}

TEST(SlotFormats, MarkUfif21LeavesOtherImagesAlone) {
    std::vector<uint8_t> image = HeaderBytes(24).word(0, 0x200000FF);
    const auto before = image;
    MarkUfif21(image);
    EXPECT_EQ(image, before);
}

TEST(SlotFormats, FindImageAppendix) {
    struct Case {
        const char* label;
        std::vector<uint8_t> image;
        std::optional<size_t> expected;
    };
    const Case cases[] = {
        {"appendix", HeaderBytes(40).word(32, 20).word(36, 0x535A417F), 20},
        {"appendix of just the trailer", HeaderBytes(40).word(32, 32).word(36, 0x535A417F), 32},
        {"offset from the start", HeaderBytes(8).word(0, 0).word(4, 0x535A417F), 0},
        {"offset past length - 8", HeaderBytes(40).word(32, 33).word(36, 0x535A417F), std::nullopt},
        {"no trailer magic", HeaderBytes(40).word(32, 20).word(36, 0x535A4170), std::nullopt},
        {"shorter than the trailer", HeaderBytes(7), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindImageAppendix(c.image), c.expected) << c.label;
}

TEST(SlotFormats, ProgramName) {
    using namespace std::string_view_literals;
    struct Case {
        const char* label;
        std::vector<uint8_t> bytes;
        size_t offset;
        std::string expected;
    };
    const Case cases[] = {
        {"ends at the first zero", HeaderBytes(24).text(4, "Snake\0xyz"sv), 4, "Snake"},
        {"16 characters and no zero", HeaderBytes(24).text(4, "ABCDEFGHIJKLMNOPQRST"), 4,
         "ABCDEFGHIJKLMNOP"},
        {"stops at the end of the bytes", HeaderBytes(10).text(4, "Tetris"), 4, "Tetris"},
        {"offset past the end", HeaderBytes(4), 8, ""},
        {"Windows-1251 letters", HeaderBytes(24).text(4, "\xCF\xF0\xE8\xE2\xE5\xF2"), 4, "Привет"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramName(c.bytes, c.offset), c.expected) << c.label;
}

TEST(TextCodec, DecodesTheTwoEncodingsOfSlotText) {
    const std::vector<uint8_t> ansi{0x88, 0xB9, 0xA8, 'z'};
    EXPECT_EQ(DecodeWindows1251(ansi), "€№Ёz");
    // A surrogate pair, a Cyrillic letter, and an odd byte that makes no unit.
    const std::vector<uint8_t> utf16{0x3D, 0xD8, 0x00, 0xDE, 0x2B, 0x04, 0x41};
    EXPECT_EQ(DecodeUtf16LE(utf16), "😀Ы");
}

} // namespace
