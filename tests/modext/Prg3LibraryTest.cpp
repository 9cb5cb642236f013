#include "common/AppError.h"
#include "modext/Prg3LibraryText.h"
#include "modext/Prg3LibraryUpload.h"
#include "modext/TextLines.h"
#include "tests/modext/ModextFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(TextLines, SplitsAtCrLfLfOrCr) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitTextLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitTextLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(SplitTextLines("a\n\nb\r\r\n"), (Lines{"a", "", "b", ""}));
    EXPECT_EQ(SplitTextLines("\n"), (Lines{""}));
    EXPECT_EQ(SplitTextLines(""), Lines{});
    EXPECT_EQ(SplitTextLines("\n\r"), (Lines{"", ""})); // LF then CR: two line ends
}

TEST(Prg3LineWord, ReadsOneWordPerLine) {
    struct Case {
        std::string line;
        std::optional<uint32_t> word;
    };
    const Case cases[] = {
        {"RELEASE=3", 3},
        {"RELEASE=12", 1},
        {"xRELEASE=7 trailing", 7},
        {"a=5 RELEASE=3", 5}, // the first "=" of the line counts
        {"release=3", std::nullopt},
        {"00A01234 first", 0x00A01234},
        {"12 name", 0x12},
        {"1f name", 0x1F},
        {"+12 name", 12},
        {"-1 name", 0xFFFFFFFF},
        {"0x1F name", 0x1F},
        {"$1F name", 0x1F},
        {"x1F name", 0x1F},
        {"FFFFFFFF name", 0xFFFFFFFF},
        {"000000001234ABCD name", 0x1234ABCD}, // leading zeros are not significant
        {"123456789 name", 123456789},         // nine significant digits: decimal
        {"100000000 name", 100000000},
        {"1FFFFFFFF name", std::nullopt}, // too long for hex, not decimal
        {"# comment", std::nullopt},
        {"name-only", std::nullopt},
        {"", std::nullopt},
        {" 12 name", std::nullopt},
        {"1234ABCD", std::nullopt},
        {"00A01234\tname", std::nullopt},
        {"0x name", std::nullopt},
        {"12  two blanks", 0x12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(Prg3LineWord(c.line), c.word);
    }
}

TEST(Prg3LineWord, AReleaseLineWithoutADigitIsAConversionError) {
    const std::pair<std::string, std::string> cases[] = {
        {"RELEASE=x", "'x' is not a valid integer value"},
        {"RELEASE=", "'' is not a valid integer value"},
        {"RELEASE= 3", "' ' is not a valid integer value"},
        {"a=RELEASE=3", "'R' is not a valid integer value"},
    };
    for (const auto& [line, text] : cases) {
        SCOPED_TRACE(line);
        try {
            Prg3LineWord(line);
            ADD_FAILURE() << "no error";
        } catch (const AppError& e) {
            EXPECT_EQ(e.kind(), AppError::Kind::StandardError);
            EXPECT_EQ(e.what(), text);
        }
    }
}

TEST(Prg3LibraryText, WholeFilesGiveTheirWordsInLineOrder) {
    const Bytes threeLines{0x03, 0, 0, 0, 0x34, 0x12, 0xA0, 0, 0xEF, 0xCD, 0xAB, 0};
    EXPECT_EQ(Prg3LibraryImage(
                  ParsePrg3LibraryText("RELEASE=3\r\n00A01234 first\r\n00ABCDEF second\r\n")),
              threeLines);
    EXPECT_EQ(Prg3LibraryImage(ParsePrg3LibraryText("RELEASE=3\r00A01234 first\r00ABCDEF second")),
              threeLines);
    EXPECT_EQ(ParsePrg3LibraryText("# lib\n\n10 a\nRELEASE=4\n20 b\n"),
              (std::vector<uint32_t>{0x10, 4, 0x20}));
    EXPECT_TRUE(ParsePrg3LibraryText("# only\n# comments\n").empty());
}

std::string ValueLines(size_t n) {
    std::string text = "RELEASE=1\r\n";
    for (size_t i = 1; i < n; ++i)
        text += "0000" + std::to_string(1000 + i) + " f" + std::to_string(i) + "\r\n";
    return text;
}

Calls WriteAndCheck16(size_t length) {
    return {"InitGBPMode(1)",       "WriteNVMFile(2,16," + std::to_string(length) + ")",
            "EndGBPMode()",         "InitGBPMode(1)",
            "GetNVMFileSize(2,16)", "EndGBPMode()"};
}

class Prg3Upload : public ModextTest {
  protected:
    TempCwd dir;
};

TEST_F(Prg3Upload, WritesTheTableIntoSlot2_16) {
    ui.files = {dir.write("lib.txt", "RELEASE=3\n00A01234 first\n00ABCDEF second\n")};
    EXPECT_TRUE(run(Button6Click));
    EXPECT_EQ(phone.calls, WriteAndCheck16(12));
    EXPECT_EQ(phone.file(2, 16), (Bytes{3, 0, 0, 0, 0x34, 0x12, 0xA0, 0, 0xEF, 0xCD, 0xAB, 0}));
    EXPECT_EQ(ui.events, (Calls{"file:Open1", "status:Uploading data...", "status:Checking data...",
                                "message:OK!:Section uploaded sucsessfully! Size: 12 bytes",
                                "status:Uploaded!"}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(Prg3Upload, TakesAtMost512Words) {
    ui.files = {dir.write("512.txt", ValueLines(512)), dir.write("513.txt", ValueLines(513))};
    run(Button6Click);
    EXPECT_EQ(phone.calls, WriteAndCheck16(2048));
    ASSERT_TRUE(phone.file(2, 16));
    EXPECT_EQ(phone.file(2, 16)->size(), 2048u);

    phone.calls.clear();
    ui.events.clear();
    state.slotMenuEnabled = false;
    run(Button6Click);
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_EQ(ui.events, (Calls{"file:Open1", "status:Uploading data...",
                                "message:ERROR:Can't uplod - library file too big!"}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(Prg3Upload, CommentsOnlyWriteAnEmptyTable) {
    ui.files = {dir.write("c.txt", "# one\n# two\n")};
    run(Button6Click);
    EXPECT_EQ(phone.calls, WriteAndCheck16(0));
    EXPECT_EQ(ui.eventsOf("message"), Calls{"OK!:Section uploaded sucsessfully! Size: 0 bytes"});
}

TEST_F(Prg3Upload, ABadReleaseLineEndsTheCommandBeforeAnythingIsWritten) {
    // Even after more than 512 words: the whole file is read before the limit is checked.
    ui.files = {dir.write("bad.txt", "10 a\nRELEASE=v\n"),
                dir.write("long-bad.txt", ValueLines(600) + "RELEASE=\n")};
    EXPECT_FALSE(run(Button6Click));
    EXPECT_FALSE(run(Button6Click));
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_EQ(
        ui.events,
        (Calls{"file:Open1", "status:Uploading data...", "error:'v' is not a valid integer value",
               "file:Open1", "status:Uploading data...", "error:'' is not a valid integer value"}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(Prg3Upload, CancelUnreadableAndOversizedFiles) {
    const std::string missing = dir.path("missing.txt");
    std::string huge(kPrg3TextLimit + 1, '#');
    ui.files = {std::nullopt, missing, dir.path(""), dir.write("huge.txt", huge)};
    run(Button6Click);
    EXPECT_EQ(ui.events, Calls{"file:Open1"});
    EXPECT_FALSE(state.slotMenuEnabled);

    EXPECT_FALSE(run(Button6Click));
    EXPECT_FALSE(run(Button6Click)); // a directory
    run(Button6Click);
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_EQ(
        ui.events,
        (Calls{"file:Open1", "file:Open1", "status:Uploading data...",
               "error:Cannot open file " + missing, "file:Open1", "status:Uploading data...",
               "error:Cannot open file " + dir.path(""), "file:Open1", "status:Uploading data...",
               "message:ERROR:Can't uplod - library file too big!"}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(Prg3Upload, ASessionFailureWritesNothing) {
    phone.initResults = {-1};
    ui.files = {dir.write("lib.txt", "RELEASE=3\n")};
    run(Button6Click);
    EXPECT_EQ(phone.calls, Calls{"InitGBPMode(1)"});
    EXPECT_EQ(ui.events, (Calls{"file:Open1", "status:Uploading data...",
                                "message:ERROR:Can't Init GPB Mode"}));
    EXPECT_EQ(ui.status, "Uploading data...");
    EXPECT_TRUE(state.slotMenuEnabled);
}

} // namespace
