#include "transfer/BuildLzoContainer.h"

#include "tests/transfer/ImageBuilder.h"

#include <gtest/gtest.h>
#include <lzo/lzo1x.h>

#include <random>

namespace {

constexpr uint32_t kDefaultIcon = 0xE852;
constexpr uint32_t kAppendixMagic = 0x535A417F;

struct Container {
    std::string magic;
    Bytes name;
    uint32_t formatTag;
    uint32_t unpackedSize;
    uint32_t iconCode;
    Bytes payload; // everything after the header
};

Container Parse(const Bytes& c) {
    EXPECT_GE(c.size(), kLzoHeaderSize);
    return {std::string(c.begin(), c.begin() + 4),
            Bytes(c.begin() + 4, c.begin() + 20),
            ReadWordLE(c, 20),
            ReadWordLE(c, 24),
            ReadWordLE(c, 28),
            Bytes(c.begin() + kLzoHeaderSize, c.end())};
}

// Decompresses the first `compressedLength` bytes of the payload with the
// library's checking decompressor.
Bytes Unpack(const Bytes& payload, size_t compressedLength, size_t unpackedSize) {
    Bytes out(unpackedSize + 16);
    lzo_uint outLength = out.size();
    EXPECT_EQ(
        lzo1x_decompress_safe(payload.data(), compressedLength, out.data(), &outLength, nullptr),
        LZO_E_OK);
    out.resize(outLength);
    return out;
}

Bytes Name(const std::string& text) {
    Bytes name(16, 0);
    std::copy(text.begin(), text.end(), name.begin());
    return name;
}

// A program body that compresses well but not to nothing.
Bytes MixedBody(size_t n) {
    Bytes body(n);
    for (size_t i = 0; i < n; ++i)
        body[i] = static_cast<uint8_t>((i % 97 < 60) ? i % 7 : (i * 31) >> 3);
    return body;
}

Bytes Random(size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    Bytes bytes(n);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(gen());
    return bytes;
}

Bytes WithAppendix(Bytes image, size_t appendixLength) {
    const size_t at = image.size();
    for (size_t i = 0; i + 8 < appendixLength; ++i)
        image.push_back(static_cast<uint8_t>(0xA0 + i));
    PutWord(image, image.size(), static_cast<uint32_t>(at));
    PutWord(image, image.size(), kAppendixMagic);
    return image;
}

TEST(BuildLzoContainer, PlainProgramRoundTrips) {
    Bytes image = UfifProgram(0x20031004, "Snake", {});
    const Bytes body = MixedBody(30000 - 20);
    image.insert(image.end(), body.begin(), body.end());

    const Bytes c = BuildLzoContainer(image);
    ASSERT_FALSE(c.empty());
    const Container p = Parse(c);
    EXPECT_EQ(p.magic, std::string("LZO\0", 4));
    EXPECT_EQ(p.name, Name("Snake"));
    EXPECT_EQ(p.formatTag, 0x20031004u);
    EXPECT_EQ(p.unpackedSize, 30000u);
    EXPECT_EQ(p.iconCode, kDefaultIcon);
    EXPECT_LT(c.size(), image.size());
    EXPECT_EQ(Unpack(p.payload, p.payload.size(), 30000), image);
}

TEST(BuildLzoContainer, AppendixIsCopiedWithItsOffsetRewritten) {
    Bytes program = UfifProgram(0x20010000, "WithTail", {});
    const Bytes body = MixedBody(5000);
    program.insert(program.end(), body.begin(), body.end());
    const Bytes image = WithAppendix(program, 40);
    ASSERT_EQ(image.size(), program.size() + 40);

    const Bytes c = BuildLzoContainer(image);
    ASSERT_FALSE(c.empty());
    const Container p = Parse(c);
    EXPECT_EQ(p.unpackedSize, program.size());
    const size_t compressedLength = c.size() - kLzoHeaderSize - 40;
    EXPECT_EQ(Unpack(p.payload, compressedLength, program.size()), program);

    Bytes expectedTail(image.end() - 40, image.end());
    WriteWordLE(expectedTail, 32, static_cast<uint32_t>(kLzoHeaderSize + compressedLength));
    EXPECT_EQ(Bytes(c.end() - 40, c.end()), expectedTail);
}

TEST(BuildLzoContainer, AnAppendixOfTheWholeImageLeavesNothingToCompress) {
    const Bytes image = WithAppendix({}, 8);
    const Bytes c = BuildLzoContainer(image);
    ASSERT_FALSE(c.empty());
    const Container p = Parse(c);
    EXPECT_EQ(p.unpackedSize, 0u);
    const size_t compressedLength = c.size() - kLzoHeaderSize - 8;
    EXPECT_EQ(Unpack(p.payload, compressedLength, 0), Bytes{});
    EXPECT_EQ(ReadWordLE(c, c.size() - 8), kLzoHeaderSize + compressedLength);
    EXPECT_EQ(ReadWordLE(c, c.size() - 4), kAppendixMagic);
}

Bytes ElfImage(size_t size, uint32_t phoff, uint32_t headerOffset) {
    Bytes image(size, 0x5A);
    PutWord(image, 0, 0x464C457F);
    PutWord(image, 28, phoff);
    PutWord(image, phoff + 4, headerOffset);
    return image;
}

struct HeaderCase {
    const char* name;
    Bytes image;
    uint32_t formatTag;
    Bytes programName;
    uint32_t iconCode;
};

TEST(BuildLzoContainer, TakesTheHeaderFieldsFromTheRightPlace) {
    Bytes elf = ElfImage(400, 52, 200);
    PutWord(elf, 200, 0x20000000);
    PutText(elf, 204, std::string("ElfGame\0\0\0\0\0\0\0\0\0", 16));
    PutWord(elf, 220, 0xE8A1);
    PutWord(elf, 224, 0xBEEF); // the scan's icon word: not the container's

    Bytes iconPastEnd = ElfImage(222, 52, 200);
    PutWord(iconPastEnd, 200, 0x20000000);
    PutText(iconPastEnd, 204, std::string("Cut\0\0\0\0\0\0\0\0\0\0\0\0\0", 16));

    Bytes headerPastEnd = ElfImage(210, 52, 200);
    Bytes farPhoff = ElfImage(200, 121, 8); // e_phoff above 120: the ELF header itself
    PutWord(farPhoff, 20, 0x1234);

    Bytes data = Words({0xDEADBEEF});
    PutText(data, 4, "not a program!!!");
    data.resize(300, 7);

    const std::vector<HeaderCase> cases = {
        {"ELF: embedded header and its icon", elf, 0x20000000, Name("ElfGame"), 0xE8A1},
        {"ELF: icon word past the end", iconPastEnd, 0x20000000, Name("Cut"), kDefaultIcon},
        {"ELF: embedded header past the end", headerPastEnd, 0x464C457F, Bytes(16, 0x5A),
         kDefaultIcon},
        {"ELF: e_phoff 121 reads the file's own first words", farPhoff, 0x464C457F, Bytes(16, 0x5A),
         0x1234},
        {"plain UFIF", UfifProgram(0x20010000, "Plain", {1, 2, 3}), 0x20010000, Name("Plain"),
         kDefaultIcon},
        {"data: first word and bytes 4-19", data, 0xDEADBEEF,
         [] {
             Bytes n(16);
             const std::string t = "not a program!!!";
             std::copy(t.begin(), t.end(), n.begin());
             return n;
         }(),
         kDefaultIcon},
        {"data shorter than a header", Bytes{1, 2, 3, 4, 'a', 'b'}, 0x04030201, Name("ab"),
         kDefaultIcon},
        {"empty image", Bytes{}, 0, Bytes(16, 0), kDefaultIcon},
    };
    for (const auto& c : cases) {
        const Bytes out = BuildLzoContainer(c.image);
        ASSERT_FALSE(out.empty()) << c.name;
        const Container p = Parse(out);
        EXPECT_EQ(p.formatTag, c.formatTag) << c.name;
        EXPECT_EQ(p.name, c.programName) << c.name;
        EXPECT_EQ(p.iconCode, c.iconCode) << c.name;
        EXPECT_EQ(p.unpackedSize, c.image.size()) << c.name;
        EXPECT_EQ(Unpack(p.payload, p.payload.size(), c.image.size()), c.image) << c.name;
    }
}

// Random bytes grow under compression; the container must hold them all.
TEST(BuildLzoContainer, IncompressibleInputFitsItsContainer) {
    for (size_t n : {size_t{1}, size_t{2048}, size_t{65536}}) {
        const Bytes image = Random(n, static_cast<unsigned>(n));
        const Bytes withTail = WithAppendix(image, 64);
        for (const Bytes* input : {&image, &withTail}) {
            const Bytes c = BuildLzoContainer(*input);
            ASSERT_FALSE(c.empty()) << n;
            const size_t tail = input == &withTail ? 64 : 0;
            EXPECT_GT(c.size(), n + kLzoHeaderSize + tail) << n;
            EXPECT_LE(c.size(), kLzoHeaderSize + LzoWorstCase(n) + tail) << n;
            const Container p = Parse(c);
            EXPECT_EQ(Unpack(p.payload, c.size() - kLzoHeaderSize - tail, n), image) << n;
        }
    }
}

} // namespace
