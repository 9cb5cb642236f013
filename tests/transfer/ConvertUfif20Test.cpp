#include "transfer/ConvertUfif20.h"

#include "common/AppError.h"
#include "tests/support/FakePhone.h"
#include "tests/support/ScriptedUi.h"
#include "tests/transfer/ImageBuilder.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

constexpr uint32_t kMarked = 0x20010000;
constexpr uint32_t kStubA = 0x4801B403;
constexpr uint32_t kStubB = 0x4809B407;
constexpr uint32_t kFiller = 0x11111111;

struct FirmwareCase {
    const char* text;
    uint32_t base;
    bool z7;
};

TEST(ParseFirmwareText, ReadsBaseAndModel) {
    const std::vector<FirmwareCase> cases = {
        {"0x370000 - J7/70 3.10/4", 0x370000, false},
        {"0x37BDD8 - Z7 4.5.6/4", 0x37BDD8, true},
        {"0x37BDD8 - z7 4.5.6/4", 0x37BDD8, true},
        {"0x37BDD8 - Z70", 0x37BDD8, true},
        {"0x37BDD8 - J5/6 5.4.2/4", 0x37BDD8, false},
        {"3600000 - Z 7", 3600000, false},
        {"9 Z7 without a dash", 9, true},  // third and fourth characters
        {"0x370000 -Z7", 0x370000, false}, // no " - ": characters 3-4 are "37"
        {"0x370000 - Z", 0x370000, false}, // model cut short by the text's end
        {"0xFFFF0000 - J7", 0xFFFF0000, false},
        {"-1 - J7", 0xFFFFFFFF, false},
    };
    for (const auto& c : cases) {
        const FirmwareTarget t = ParseFirmwareText(c.text);
        EXPECT_EQ(t.base, c.base) << c.text;
        EXPECT_EQ(t.z7, c.z7) << c.text;
    }
}

TEST(ParseFirmwareText, ABaseThatIsNotANumberThrows) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"0x370000", "''"},       // no blank: the base is empty
        {" 0x370000 - J7", "''"}, // a leading blank ends the base at once
        {"abc - J7", "'abc'"},    {"0x37000G - J7", "'0x37000G'"}, {"", "''"},
    };
    for (const auto& [text, quoted] : cases) {
        try {
            ParseFirmwareText(text);
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const AppError& e) {
            EXPECT_EQ(std::string(e.what()), quoted + " is not a valid integer value") << text;
        }
    }
}

struct MoveCase {
    const char* name;
    Bytes image;
    FirmwareTarget target;
    Bytes expected;
    Lines lines;
};

TEST(MoveUfifAddresses, AppliesTheRulesInOrder) {
    const FirmwareTarget reference{0x36A658, false};
    const FirmwareTarget high{0x370000, false};
    const std::vector<MoveCase> cases = {
        {"20 bytes: nothing examined",
         UfifProgram(kMarked, "", {}),
         high,
         UfifProgram(kMarked, "", {}),
         {}},
        {"short tail word is not examined",
         [] {
             Bytes b = UfifProgram(kMarked, "", {0x36A97C});
             b.push_back(0x7C);
             b.push_back(0xA9);
             b.push_back(0x36);
             return b;
         }(),
         high,
         [] {
             Bytes b = UfifProgram(kMarked, "", {0x370324});
             b.push_back(0x7C);
             b.push_back(0xA9);
             b.push_back(0x36);
             return b;
         }(),
         {}},
        {"reference base moves nothing but still corrects the A operand",
         UfifProgram(kMarked, "P", {kStubA, kFiller, 0x36A9D1, 0x36A97C}),
         reference,
         UfifProgram(kMarked, "P", {kStubA, kFiller, 0x36A9D5, 0x36A97C}),
         {}},
        {"A operand corrected then moved; free word moved",
         UfifProgram(kMarked, "P", {kStubA, kFiller, 0x36A9D1, 0x36AC74}),
         high,
         UfifProgram(kMarked, "P", {kStubA, kFiller, 0x37037D, 0x37061C}),
         {}},
        {"after A the two words before the operand are skipped",
         UfifProgram(kMarked, "", {kStubA, 0x36A97C, 0x36A700, 0x36AE14}),
         high,
         UfifProgram(kMarked, "", {kStubA, 0x36A97C, 0x3700A8, 0x3707BC}),
         {}},
        {"A operand at the base is not moved and is reported on its own",
         UfifProgram(kMarked, "", {kStubA, kFiller, 0x36A658}),
         high,
         UfifProgram(kMarked, "", {kStubA, kFiller, 0x36A658}),
         {"offset: 28; UFIF Address:3581528"}},
        {"A operand at the range top is not moved",
         UfifProgram(kMarked, "", {kStubA, kFiller, 0x370000}),
         high,
         UfifProgram(kMarked, "", {kStubA, kFiller, 0x370000}),
         {}},
        {"after B the seven words before the operand are skipped",
         UfifProgram(kMarked, "",
                     {kStubB, 0x36A97C, 0x36A700, 0x820000, kFiller, kFiller, 0x36AA84, 0x36A700,
                      0x36AE18}),
         FirmwareTarget{0x370000, true},
         UfifProgram(kMarked, "",
                     {kStubB, 0x36A97C, 0x36A700, 0x820000, kFiller, kFiller, 0x37042C, 0x36A700,
                      0x3707C0}),
         {}},
        {"B operand out of range: the next words are examined",
         UfifProgram(kMarked, "", {kStubB, 0x36A97C, kFiller, kFiller, kFiller, kFiller, 0x36A630}),
         high,
         UfifProgram(kMarked, "", {kStubB, 0x370324, kFiller, kFiller, kFiller, kFiller, 0x36A630}),
         {}},
        {"A operand past the end is not applied",
         UfifProgram(kMarked, "", {0x36A97C, kStubA, kFiller}),
         high,
         UfifProgram(kMarked, "", {0x370324, kStubA, kFiller}),
         {}},
        {"B operand past the end is not applied",
         UfifProgram(kMarked, "", {kStubB, kFiller, kFiller, kFiller, kFiller, kFiller}),
         high,
         UfifProgram(kMarked, "", {kStubB, kFiller, kFiller, kFiller, kFiller, kFiller}),
         {}},
        {"every moved word",
         UfifProgram(kMarked, "", {0x36A97C, 0x36AA84, 0x36AC74, 0x36AE14, 0x36AE18, 0x36AE1C}),
         high,
         UfifProgram(kMarked, "", {0x370324, 0x37042C, 0x37061C, 0x3707BC, 0x3707C0, 0x3707C4}),
         {}},
        {"memory word stays for other models",
         UfifProgram(kMarked, "", {0x820000}),
         high,
         UfifProgram(kMarked, "", {0x820000}),
         {}},
        {"memory word becomes 0x8A0000 for Z7",
         UfifProgram(kMarked, "", {0x820000}),
         FirmwareTarget{0x37BDD8, true},
         UfifProgram(kMarked, "", {0x8A0000}),
         {}},
        {"report floor and range top are exclusive",
         UfifProgram(kMarked, "", {0x36A630, 0x36A631, 0x36FFFF, 0x370000, 0x36A700}),
         high,
         UfifProgram(kMarked, "", {0x36A630, 0x36A631, 0x36FFFF, 0x370000, 0x36A700}),
         {"offset: 24; UFIF Address:3581489", "offset: 28; UFIF Address:3604479",
          "offset: 36; UFIF Address:3581696"}},
        {"moves wrap modulo 2^32",
         UfifProgram(kMarked, "", {0x36A97C, kStubA, 0, 0x36A9D1}),
         FirmwareTarget{0xFFFFFF00, false},
         UfifProgram(kMarked, "", {0x00000224, kStubA, 0, 0x0000027D}),
         {}},
        {"words with the top bit set are neither moved nor reported",
         UfifProgram(kMarked, "", {0x8036A97C, 0xFFFFFFFF}),
         high,
         UfifProgram(kMarked, "", {0x8036A97C, 0xFFFFFFFF}),
         {}},
    };
    for (const auto& c : cases) {
        Bytes image = c.image;
        EXPECT_EQ(MoveUfifAddresses(image, c.target), c.lines) << c.name;
        EXPECT_EQ(image, c.expected) << c.name;
    }
}

TEST(MoveUfifAddresses, ReportsAtTheOffsetInTheImage) {
    Bytes image = UfifProgram(kMarked, "", {});
    PutWord(image, 52, 0x36A700);
    EXPECT_EQ(MoveUfifAddresses(image, {0x370000, false}),
              (Lines{"offset: 52; UFIF Address:3581696"}));
}

// An ELF-wrapped program is examined from the start of the file, not of its
// embedded header: offsets stay multiples of 4 counted from byte 0.
TEST(MoveUfifAddresses, CountsOffsetsFromTheStartOfAnElfFile) {
    Bytes image(128, 0);
    PutWord(image, 0, 0x464C457F);
    PutWord(image, 28, 52);
    PutWord(image, 56, 84);
    PutWord(image, 84, kMarked);
    PutWord(image, 24, 0x36A97C); // inside the ELF header itself
    PutWord(image, 104, 0x36AA84);
    PutWord(image, 120, 0x36A700);
    Bytes expected = image;
    PutWord(expected, 24, 0x370324);
    PutWord(expected, 104, 0x37042C);
    EXPECT_EQ(MoveUfifAddresses(image, {0x370000, false}),
              (Lines{"offset: 120; UFIF Address:3581696"}));
    EXPECT_EQ(image, expected);
}

class ConvertUfif20Test : public testing::Test {
  protected:
    FakePhone phone;
    AppState state;
    ScriptedUi ui;
    CommandContext ctx{state, phone.link(), ui};
};

TEST_F(ConvertUfif20Test, ReadsTheFirmwareTextAndFillsTheReport) {
    state.firmware.text = "0x370000 - J7/70 3.10/4";
    Bytes image = UfifProgram(kMarked, "P", {0x36AC74, 0x36A700});
    EXPECT_EQ(ConvertUfif20(ctx, image), 1u);
    EXPECT_EQ(image, UfifProgram(kMarked, "P", {0x37061C, 0x36A700}));
    EXPECT_EQ(state.reportLines, (Lines{"offset: 24; UFIF Address:3581696"}));
    EXPECT_EQ(ui.events, (Lines{"status:Converting data...", "status:Convert done!"}));
}

TEST_F(ConvertUfif20Test, ANewReportReplacesTheOldOneAndAnEmptyOneKeepsIt) {
    state.firmware.text = "0x370000 - J7/70 3.10/4";
    state.reportLines = {"old 1", "old 2"};
    Bytes quiet = UfifProgram(kMarked, "", {0x36AC74});
    EXPECT_EQ(ConvertUfif20(ctx, quiet), 0u);
    EXPECT_EQ(state.reportLines, (Lines{"old 1", "old 2"}));

    Bytes loud = UfifProgram(kMarked, "", {0x36A631});
    EXPECT_EQ(ConvertUfif20(ctx, loud), 1u);
    EXPECT_EQ(state.reportLines, (Lines{"offset: 20; UFIF Address:3581489"}));
}

TEST_F(ConvertUfif20Test, ABadBaseChangesNothing) {
    state.firmware.text = "J7 firmware";
    state.reportLines = {"kept"};
    Bytes image = UfifProgram(kMarked, "", {0x36AC74, 0x36A700});
    const Bytes before = image;
    EXPECT_THROW(ConvertUfif20(ctx, image), AppError);
    EXPECT_EQ(image, before);
    EXPECT_EQ(state.reportLines, (Lines{"kept"}));
    EXPECT_EQ(ui.events, (Lines{"status:Converting data..."}));
}

} // namespace
