#include "PhoneFolderTest.h"

#include <QByteArray>
#include <QImage>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <lzo/lzo1x.h>
#include <set>
#include <sys/wait.h>

namespace fs = std::filesystem;

using DemoPhone = PhoneFolderTest;

namespace {

int RunMaker(const std::string& arguments) {
    const std::string command =
        ADEDUZE_BIN_DIR "/adeduze-demo-phone " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

uint32_t Word(const Bytes& b, size_t at) {
    if (at + 4 > b.size())
        return 0xBADBAD;
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

std::string Name(const Bytes& b, size_t at) {
    std::string name;
    for (size_t i = at; i < at + 16 && i < b.size() && b[i] != 0; ++i)
        name += static_cast<char>(b[i]);
    return name;
}

bool StartsWith(const Bytes& b, std::string_view prefix) {
    return b.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), b.begin());
}

} // namespace

TEST_F(DemoPhone, TheDemoPhoneHoldsOneSlotOfEveryKind) {
    fs::remove_all(com1);
    ASSERT_EQ(RunMaker(""), 0); // the root comes from GBP_PHONE_DIR

    const Bytes convertible = contents("18-9");
    EXPECT_EQ(Word(convertible, 0), 0x20000000u);
    EXPECT_EQ(Name(convertible, 4), "Snake");
    // Exactly the planted words are ones the conversion acts on.
    std::set<size_t> special;
    for (size_t k = 20; k + 4 <= convertible.size(); k += 4) {
        const uint32_t w = Word(convertible, k);
        if ((w > 0x36A630 && w < 0x370000) || w == 0x4801B403 || w == 0x4809B407 || w == 0x820000)
            special.insert(k);
    }
    EXPECT_EQ(special, (std::set<size_t>{64, 72, 160, 184, 400, 808, 1204}));
    EXPECT_EQ(Word(convertible, 64), 0x4801B403u);
    EXPECT_EQ(Word(convertible, 72), 0x36A9D1u);
    EXPECT_EQ(Word(convertible, 1204), 0x36A700u);

    EXPECT_EQ(Word(contents("18-10"), 0), 0x20010000u);
    EXPECT_EQ(Word(contents("18-11"), 0), 0x20031004u);
    EXPECT_EQ(Word(contents("18-12"), 0), 0x30C0DE01u);
    EXPECT_EQ(Name(contents("18-12"), 4), "Notes");
    EXPECT_EQ(Word(contents("18-13"), 0) >> 16, 0x3500u);
    EXPECT_EQ(Name(contents("18-17"), 4), "\xD2\xE5\xF2\xF0\xE8\xF1");

    const Bytes elf = contents("18-14");
    EXPECT_EQ(Word(elf, 0), 0x464C457Fu);
    ASSERT_EQ(Word(elf, 28), 52u);
    const uint32_t header = Word(elf, 56);
    EXPECT_EQ(Word(elf, header), 0x20010000u);
    EXPECT_EQ(Name(elf, header + 4), "Radio");
    EXPECT_EQ(Word(elf, header + 20), 0xE80Cu);
    EXPECT_EQ(Word(elf, header + 24), 0xE80Cu);

    const Bytes lzo = contents("18-15");
    ASSERT_TRUE(StartsWith(lzo, std::string_view("LZO\0", 4)));
    EXPECT_EQ(Name(lzo, 4), "Mines");
    EXPECT_EQ(Word(lzo, 28), 0xE852u);
    Bytes unpacked(Word(lzo, 24));
    lzo_uint unpackedLength = unpacked.size();
    ASSERT_EQ(lzo1x_decompress_safe(lzo.data() + 32, lzo.size() - 32, unpacked.data(),
                                    &unpackedLength, nullptr),
              LZO_E_OK);
    EXPECT_EQ(unpackedLength, unpacked.size());
    EXPECT_EQ(Word(unpacked, 0), Word(lzo, 20));
    EXPECT_EQ(Word(unpacked, 0) >> 24, 0x20u);
    EXPECT_EQ(Name(unpacked, 4), "Mines");
    EXPECT_LT(lzo.size(), unpacked.size());

    const Bytes gif = contents("2-12");
    ASSERT_TRUE(StartsWith(gif, "GIF89a"));
    const QImage picture = QImage::fromData(
        QByteArray(reinterpret_cast<const char*>(gif.data()), static_cast<qsizetype>(gif.size())),
        "GIF");
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(16, 16));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(0xFF, 0xD8, 0x00));
    EXPECT_EQ(picture.pixel(5, 5), qRgb(0x20, 0x20, 0x20));
    EXPECT_EQ(picture.pixel(15, 15), qRgb(0xFF, 0xD8, 0x00));

    const Bytes ringer = contents("18-18");
    EXPECT_EQ(Word(ringer, 0), 0u);
    EXPECT_TRUE(
        StartsWith(Bytes(ringer.begin() + 4, ringer.end()), std::string_view("M\0o\0r\0", 6)));

    const Bytes prg3Library = contents("2-11");
    EXPECT_EQ(Word(prg3Library, 0), 3u);
    EXPECT_GE(prg3Library.size(), 17u);
    EXPECT_EQ(prg3Library[7] | prg3Library[11] | prg3Library[15], 0);
    EXPECT_TRUE(StartsWith(contents("2-10"), "LIB"));
    EXPECT_TRUE(StartsWith(contents("2-17"), "LIB"));

    // The data slot passes none of the content tests.
    const Bytes data = contents("18-19");
    const uint32_t first = Word(data, 0);
    EXPECT_GE(data.size(), 17u);
    EXPECT_TRUE(first != 0 && first != 0x004F5A4C && first != 0x464C457F && first != 0x30C0DE01 &&
                first >> 24 != 0x20 && first >> 16 != 0x3500 && first >> 16 != 0x3501);
    EXPECT_FALSE(StartsWith(data, "LIB") || StartsWith(data, "GIF"));
    EXPECT_NE(data[7] | data[11] | data[15], 0);

    EXPECT_EQ(contents("2-18"), (Bytes{'Z', 'U', 'V', '2', 0x07, 0, 17, 2, 9, 18, 0, 0}));

    for (const char* empty : {"18-16", "18-25", "2-13"}) {
        EXPECT_TRUE(fs::exists(slotPath(empty))) << empty;
        EXPECT_TRUE(contents(empty).empty()) << empty;
    }
    for (const char* absent : {"18-21", "18-29", "2-14"})
        EXPECT_FALSE(fs::exists(slotPath(absent))) << absent;

    int overRedLine = 0;
    for (const auto& entry : fs::directory_iterator(com1 / "nvm")) {
        const std::string slot = entry.path().filename().string();
        const auto size = entry.file_size();
        EXPECT_LE(size, slot.starts_with("2-") ? 2048u : 65536u) << slot;
        overRedLine += size > 21504;
    }
    EXPECT_GE(overRedLine, 2);

    // The library serves the new phone as it stands.
    const auto& p = phone();
    ASSERT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.GetNVMFileSize(18, 9), static_cast<int32_t>(convertible.size()));
    EXPECT_EQ(p.GetNVMFileSize(18, 16), 0);
    EXPECT_EQ(p.GetNVMFileSize(18, 21), -153);
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(DemoPhone, TheDemoMakerReplacesAPhoneOnlyWhenForced) {
    const std::string other = (root / "other").string();
    ASSERT_EQ(RunMaker(other), 0);
    const fs::path snake = root / "other" / "COM1" / "nvm" / "18-9";
    const Bytes original = [&] {
        std::ifstream in(snake, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    std::ofstream(snake, std::ios::binary) << "changed";
    std::ofstream(snake.parent_path() / "18-29", std::ios::binary) << "stray";

    EXPECT_EQ(RunMaker(other), 1);
    EXPECT_EQ(fs::file_size(snake), 7u);
    EXPECT_EQ(RunMaker("--if-missing " + other), 0);
    EXPECT_EQ(fs::file_size(snake), 7u);

    EXPECT_EQ(RunMaker("--force " + other), 0);
    EXPECT_EQ(fs::file_size(snake), original.size());
    EXPECT_FALSE(fs::exists(snake.parent_path() / "18-29"));

    // Never under a session: the fixture's own phone in COM1 is open here.
    ASSERT_EQ(phone().InitGBPMode(1), 0);
    EXPECT_EQ(RunMaker("--force"), 1);
    EXPECT_EQ(phone().EndGBPMode(), 0);
    EXPECT_FALSE(fs::exists(slotPath("18-9")));
    EXPECT_EQ(RunMaker("--force"), 0);
    EXPECT_TRUE(fs::exists(slotPath("18-9")));

    EXPECT_EQ(RunMaker("--bogus"), 2);
    EXPECT_EQ(RunMaker("--force --if-missing " + other), 2);
}
