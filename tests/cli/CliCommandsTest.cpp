// Every command of adeduze-cli, run as its own process against libgbp.so and
// a phone folder: what it prints, what lands in the phone, its exit status.
#include "CliProcess.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>

namespace {

// A program image: its tag as word 0, its name in bytes 4..19, then `size`
// bytes in all of a filler that no conversion rule touches.
Bytes Program(uint32_t tag, const std::string& name, size_t size) {
    Bytes bytes(size, 0x11);
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(tag >> (8 * i));
    std::fill(bytes.begin() + 4, bytes.begin() + 20, 0);
    std::memcpy(bytes.data() + 4, name.data(), name.size());
    return bytes;
}

uint32_t WordAt(const Bytes& bytes, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(bytes.at(offset + i)) << (8 * i);
    return value;
}

void PutWord(Bytes& bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Three big slots from 18-9 and one small slot, 2-10.
constexpr const char* kFourRows =
    "[Manager]\nCOM-Port=0\nFirstBig=9\nBigSlots=3\nFirstSmall=10\nSmallSlots=1\n";

class CliCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteText(box.settings(), kFourRows);
        box.setSlot(18, 9, Program(0x20010000, "Hello", 100));
        box.setSlot(18, 11, Text("GIF89a") + Bytes(44, 0x22));
        box.setSlot(2, 10, Bytes(10, 0x55));
    }

    // A preference record: menu "Progs and data", no library slot, autorun 18-12.
    static Bytes PrefRecordBytes() {
        return Bytes{'Z', 'U', 'V', '2', 0x07, 0, 0, 0, 12, 18, 0xAB, 0xCD};
    }

    CliSandbox box;
};

TEST_F(CliCommands, ListPrintsOneLinePerConfiguredRow) {
    const auto r = box.run({"list"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1. {18-9}  Hello  100  UFIF 2.1\n"
                     "2. {18-10}  < Empty >  0\n"
                     "3. {18-11}  < GIF-File >  50\n"
                     "1. {2-10}  < Data >  10\n");
    EXPECT_EQ(r.err, "Update done!\n");
}

TEST_F(CliCommands, ListJsonGivesOneObjectPerRow) {
    const auto r = box.run({"list", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = nlohmann::ordered_json::parse(r.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].dump(), R"({"row":1,"section":18,"file":9,"slot":"18-9","kind":"Program",)"
                              R"("name":"Hello","formatTag":536936448,"fw":"UFIF 2.1","size":100,)"
                              R"("compressed":false,"unpackedSize":0,"iconIndex":107})");
    EXPECT_EQ(rows[1]["kind"], "Empty");
    EXPECT_EQ(rows[1]["fw"], "");
    EXPECT_EQ(rows[1]["iconIndex"], 110);
    EXPECT_EQ(rows[2]["kind"], "Gif");
    EXPECT_EQ(rows[3]["row"], 4);
    EXPECT_EQ(rows[3]["slot"], "2-10");
    EXPECT_EQ(rows[3]["kind"], "Data");
}

TEST_F(CliCommands, RefreshPrintsItsRowAndUsesTheScratchRowOutsideTheRanges) {
    box.setSlot(18, 40, Program(0x20031004, "Far", 64));
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"refresh", "18-09"}, "1. {18-9}  Hello  100  UFIF 2.1\n"},
        {{"refresh", "18-40"}, "0. {18-40}  Far  64  3.10/4\n"},
        {{"--no-headers", "refresh", "18-9"}, "1. {18-9}    100  0.0.0/0\n"},
        {{"refresh", "2-10", "--json"},
         "[\n{\"row\":4,\"section\":2,\"file\":10,\"slot\":\"2-10\",\"kind\":\"Data\",\"name\":"
         "\"< Data >\",\"formatTag\":0,\"fw\":\"\",\"size\":10,\"compressed\":false,"
         "\"unpackedSize\":0,\"iconIndex\":-1}\n]\n"},
    };
    for (const auto& c : cases) {
        const auto r = box.run(c.args);
        EXPECT_EQ(r.status, 0) << c.args[0] << ' ' << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

TEST_F(CliCommands, UploadTrimsTrailingNopsAndReportsSuccess) {
    const Bytes image = Program(0x20010000, "Up", 64);
    WriteBytes(box.work() / "up.prg", image + Bytes{0xC0, 0x46, 0xC0, 0x46});
    const auto r = box.run({"-v", "upload", "18-10", "up.prg"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(box.slot(18, 10), image);
    EXPECT_NE(r.err.find("Uploading data...\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("OK!: Section uploaded sucsessfully!\n"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
}

TEST_F(CliCommands, UploadLzoStoresAContainerTheScanShowsAsCompressed) {
    const Bytes image = Program(0x20010000, "Packed", 4000);
    WriteBytes(box.work() / "p.prg", image);
    ASSERT_EQ(box.run({"upload", "18-10", "p.prg", "--lzo"}).status, 0);
    const auto slot = box.slot(18, 10);
    ASSERT_TRUE(slot);
    EXPECT_EQ(WordAt(*slot, 0), 0x004F5A4Cu); // "LZO\0"
    EXPECT_LT(slot->size(), image.size());

    const auto r = box.run({"--json", "refresh", "18-10"});
    const auto row = nlohmann::json::parse(r.out).at(0);
    EXPECT_EQ(row["name"], "Packed");
    EXPECT_EQ(row["compressed"], true);
    EXPECT_EQ(row["unpackedSize"], 4000);
    EXPECT_NE(box.run({"refresh", "18-10"}).out.find("  LZO("), std::string::npos);
}

TEST_F(CliCommands, TheConversionQuestionIsAnsweredByTheOptions) {
    Bytes ufif20 = Program(0x20000000, "Old", 64);
    PutWord(ufif20, 24, 0x36A97C); // a free-standing UFIF address the conversion moves
    WriteBytes(box.work() / "old.prg", ufif20);
    Bytes z7 = ufif20;
    PutWord(z7, 0, 0x20010000);
    PutWord(z7, 24, 0x36A97C - 0x36A658 + 0x37BDD8);

    struct Case {
        std::vector<std::string> options;
        int status;
        std::optional<Bytes> slot;
    };
    const Case cases[] = {
        {{}, 1, std::nullopt}, // no terminal to ask: cancelled, nothing written
        {{"--no-convert"}, 0, ufif20},
        {{"--convert", "--firmware", "6"}, 0, z7},
        {{"--convert", "--firmware", "0x37BDD8 - Z7 4.5.6/4"}, 0, z7},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(box.nvm() / "18-10");
        std::vector<std::string> args{"upload", "18-10", "old.prg"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto r = box.run(args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(box.slot(18, 10), c.slot);
        if (c.status == 1) {
            EXPECT_NE(r.err.find("--convert"), std::string::npos) << r.err;
            EXPECT_NE(r.err.find("--no-convert"), std::string::npos) << r.err;
        }
    }
}

TEST_F(CliCommands, DownloadWritesTheSlotsBytes) {
    const auto r = box.run({"download", "18-9", "saved.bin"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBytes(box.work() / "saved.bin"), box.slot(18, 9));
}

TEST_F(CliCommands, ClearErasesTheSlotAndShowsStatusTextsOnlyWhenVerbose) {
    auto r = box.run({"clear", "18-9"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(box.slot(18, 9));
    EXPECT_EQ(r.err, "");

    box.setSlot(18, 9, Bytes(5, 1));
    r = box.run({"clear", "18-9", "--verbose"});
    EXPECT_EQ(r.err, "Erasing section...\nRefreshing section 18-9...\nErased!\n");
}

TEST_F(CliCommands, ConvertRewritesAUfif20ProgramAndLeavesAnythingElseAlone) {
    box.setSlot(18, 10, Program(0x20000000, "Old", 64));
    auto r = box.run({"convert", "18-10", "--firmware", "0"});
    EXPECT_EQ(r.status, 0) << r.err;
    const auto slot = box.slot(18, 10);
    ASSERT_TRUE(slot);
    EXPECT_EQ(WordAt(*slot, 0), 0x20010000u);
    EXPECT_EQ(ReadBytes(box.work() / "temp.prg"), slot);

    std::filesystem::remove(box.work() / "temp.prg");
    const auto before = box.slot(18, 9);
    r = box.run({"convert", "18-9"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "ERROR: Slot 18-9 holds no UFIF 2.0 program; nothing was converted.\n");
    EXPECT_EQ(box.slot(18, 9), before);
    EXPECT_FALSE(std::filesystem::exists(box.work() / "temp.prg"));
}

TEST_F(CliCommands, GifWritesTempGifInTheCurrentDirectory) {
    const auto r = box.run({"gif", "18-11", "--no-open"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBytes(box.work() / "temp.gif"), box.slot(18, 11));
}

TEST_F(CliCommands, PrefsPrintsTheRecord) {
    box.setSlot(2, 18, PrefRecordBytes());
    auto r = box.run({"prefs"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Menu mode: Progs and data\nLibrary slot: 2-17\nAutorun slot: 18-12\n");

    r = box.run({"prefs", "--json"});
    EXPECT_EQ(r.out, R"({"length":12,"menuMode":7,"library":"2-17","autorun":"18-12"})"
                     "\n");

    box.setSlot(2, 18, Bytes{'Z', 'U', 'V', '2'}); // too short for a menu mode or autorun
    r = box.run({"--json", "prefs"});
    EXPECT_EQ(r.out, R"({"length":4,"menuMode":null,"library":"2-17","autorun":null})"
                     "\n");
}

TEST_F(CliCommands, PrefsSetChangesOnlyWhatIsGiven) {
    struct Case {
        std::vector<std::string> options;
        Bytes record;
    };
    // A record that names no library slot gets the one it stands for, 2-17.
    const Case cases[] = {
        {{"--menu", "all", "--autorun", "off"},
         {'Z', 'U', 'V', '2', 0xFF, 0, 17, 2, 0, 0, 0xAB, 0xCD}},
        {{"--library", "2-012", "--autorun", "18-10"},
         {'Z', 'U', 'V', '2', 0x07, 0, 12, 2, 10, 18, 0xAB, 0xCD}},
        {{}, {'Z', 'U', 'V', '2', 0x07, 0, 17, 2, 12, 18, 0xAB, 0xCD}},
    };
    for (const auto& c : cases) {
        box.setSlot(2, 18, PrefRecordBytes());
        std::vector<std::string> args{"prefs-set"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto r = box.run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(box.slot(2, 18), c.record);
    }
}

TEST_F(CliCommands, Ufif2LibraryGoesWhereTheRecordSaysOnceConfirmed) {
    box.setSlot(2, 18, PrefRecordBytes()); // names no library slot: 2-17
    const Bytes kLibrary{'L', 'I', 'B', 0, 'b', 'o', 'd', 'y'};
    WriteBytes(box.work() / "lib.bin", kLibrary + Bytes{0xC0, 0x46});

    auto r = box.run({"ufif2-lib", "lib.bin"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("--yes"), std::string::npos) << r.err;
    EXPECT_FALSE(box.slot(2, 17));

    r = box.run({"--yes", "ufif2-lib", "lib.bin"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(box.slot(2, 17), kLibrary);
    EXPECT_EQ(r.err, "OK!: Section uploaded sucsessfully! Size: 8 bytes\n");
}

TEST_F(CliCommands, Prg3LibraryIsWrittenInto2To16) {
    WriteText(box.work() / "lib.txt", "RELEASE=3\n00A01234 first\n# comment\n");
    const auto r = box.run({"prg3-lib", "lib.txt"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(box.slot(2, 16), (Bytes{3, 0, 0, 0, 0x34, 0x12, 0xA0, 0}));
}

TEST_F(CliCommands, Total18AddsFiles0To31) {
    box.setSlot(18, 0, Bytes(7, 1));
    box.setSlot(18, 31, Bytes(20, 1));
    box.setSlot(18, 32, Bytes(1000, 1)); // beyond the range counted
    const auto r = box.run({"total18"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "Total Section 18xx size = 177\n"); // 7 + 100 + 50 + 20
}

TEST_F(CliCommands, MergeWritesTheListInTheReferenceOrder) {
    WriteText(box.work() / "514lg4.lib", "# reference\nA0000000 strlen\nA0000000 memcpy\n");
    WriteText(box.work() / "mine.lib", "# mine\n00A01234 memcpy\n00B05678 strlen\n");
    const auto r = box.run({"merge", "mine.lib"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBytes(box.work() / "mine.lib_"),
              Text("# mine\r\n00B05678 strlen\r\n00A01234 memcpy\r\n"));
}

TEST_F(CliCommands, NvmUploadAndClearWorkOn17To19) {
    WriteBytes(box.work() / "any.bin", Bytes{1, 2, 3});
    auto r = box.run({"nvm-upload", "any.bin"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(box.slot(17, 19), (Bytes{1, 2, 3}));

    r = box.run({"nvm-clear"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(box.slot(17, 19));
}

} // namespace
