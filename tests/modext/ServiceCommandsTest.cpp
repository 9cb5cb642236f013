#include "modext/LibraryListMerge.h"
#include "modext/SectionTotal.h"
#include "modext/ServiceSlot.h"
#include "tests/modext/ModextFixture.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Lines = std::vector<std::string>;

Calls SizeCalls() {
    Calls calls{"InitGBPMode(1)"};
    for (int f = 0; f < 32; ++f)
        calls.push_back("GetNVMFileSize(18," + std::to_string(f) + ")");
    calls.push_back("EndGBPMode()");
    return calls;
}

class SectionTotal : public ModextTest {};

TEST_F(SectionTotal, AddsThePositiveSizesOfFiles0To31) {
    phone.setFile(18, 0, Filler(100));
    phone.setFile(18, 9, Filler(2000));
    phone.setFile(18, 31, Filler(7));
    phone.setFile(18, 32, Filler(5000)); // outside the range
    phone.setFile(18, 10, {});
    phone.sizeResults[{18, 11}] = -153;
    phone.sizeResults[{18, 12}] = -5;
    EXPECT_TRUE(run(Button4Click));
    EXPECT_EQ(phone.calls, SizeCalls());
    EXPECT_EQ(ui.events, Calls{"message::Total Section 18xx size = 2107"});
}

TEST_F(SectionTotal, NeitherClearsNorSetsTheFlag) {
    for (bool flag : {false, true}) {
        SCOPED_TRACE(flag);
        state.slotMenuEnabled = flag;
        flagAtInit.clear();
        run(Button4Click);
        EXPECT_EQ(flagAtInit, std::vector<bool>{flag});
        EXPECT_EQ(state.slotMenuEnabled, flag);
    }
    EXPECT_EQ(ui.events, (Calls{"message::Total Section 18xx size = 0",
                                "message::Total Section 18xx size = 0"}));
}

TEST_F(SectionTotal, SizesThatOverflow32BitsStillAddUp) {
    phone.sizeResults[{18, 1}] = std::numeric_limits<int32_t>::max();
    phone.sizeResults[{18, 2}] = std::numeric_limits<int32_t>::max();
    run(Button4Click);
    EXPECT_EQ(ui.events, Calls{"message::Total Section 18xx size = 4294967294"});
}

TEST_F(SectionTotal, ASessionFailureAsksNothing) {
    phone.initResults = {-1};
    run(Button4Click);
    EXPECT_EQ(phone.calls, Calls{"InitGBPMode(1)"});
    EXPECT_EQ(ui.events, Calls{"message:ERROR:Can't Init GPB Mode"});
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST(EntryKey, CutsTheKeyByTheBlankAndTheCommentMark) {
    const std::pair<std::string, std::string> cases[] = {
        {"A0001234 strlen", "strlen"},
        {"A0001234 strlen #12", "s"}, // len 19, " #" at 16: count 1
        {"A0001234 strlen_long_name #12", "s"},
        {"A0001234 strlen #1234567", "strlen"},
        {"A0001234 strlen #123456789", "strlen #"}, // the count follows the comment's length
        {"A0001234 strlen #", ""},                  // count -1
        {"A0001234", "A00012"},                     // no blank: from the start, len - 2 characters
        {"abc", "a"},
        {"ab", ""},
        {"", ""},
        {"abc ", ""}, // the key would start past the end
        {"x #1234567", "#12345"},
        {" #", ""},
        {"a b c", "b c"},
        {"A0 name\t#x", "name\t#x"}, // only a blank before "#" marks a comment
    };
    for (const auto& [line, key] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(EntryKey(line), key);
    }
}

TEST(MergeLibraryLists, FollowsTheReferenceOrder) {
    const Lines reference{
        "# reference header",     "#", "R1 memcpy", "R2 strlen", "R3 absent", "R4 memcpy",
        "# not a header any more"};
    const Lines chosen{"# my lib",
                       "#v2",
                       "",
                       "00001111 strlen",
                       "00002222 memcpy",
                       "00003333 memcpy",
                       "# not a header any more"};
    EXPECT_EQ(MergeLibraryLists(reference, chosen),
              (Lines{"# my lib", "#v2", "00002222 memcpy", "00001111 strlen", "00002222 memcpy",
                     "# not a header any more"}));
}

TEST(MergeLibraryLists, EdgeCases) {
    // No shared keys: only the header.
    EXPECT_EQ(MergeLibraryLists({"R1 a1"}, {"# h", "X b1"}), Lines{"# h"});
    // A matching line without a blank gives an empty address part.
    EXPECT_EQ(MergeLibraryLists({"abcd"}, {"abcd"}), Lines{" ab"});
    // Case matters.
    EXPECT_TRUE(MergeLibraryLists({"R1 Strlen"}, {"C1 strlen"}).empty());
    // Header lines of the chosen list are searched as well.
    EXPECT_EQ(MergeLibraryLists({"R1 lib"}, {"#x lib"}), (Lines{"#x lib", "#x lib"}));
    // An empty line ends the chosen header and the reference skip alike.
    EXPECT_EQ(MergeLibraryLists({"", "#c k"}, {"", "#c k"}), (Lines{" ", "#c k"}));
    EXPECT_TRUE(MergeLibraryLists({}, {}).empty());
}

class ListMerge : public ModextTest {
  protected:
    TempCwd dir;
};

TEST_F(ListMerge, WritesTheMergedListBesideTheChosenOne) {
    dir.write(kReferenceListName, "# ref\r\nR1 memcpy\r\nR2 strlen\r\nR3 gone\r\n");
    const std::string chosen = dir.write("list.lib", "# mine\n00000010 strlen\n00000020 memcpy\n");
    ui.files = {chosen};
    EXPECT_TRUE(run(Button8Click));
    const std::string expected = "# mine\r\n00000020 memcpy\r\n00000010 strlen\r\n";
    EXPECT_EQ(dir.read("list.lib_"), Bytes(expected.begin(), expected.end()));
    EXPECT_EQ(ui.events, Calls{"file:Open2"});
    EXPECT_TRUE(phone.calls.empty());
}

TEST_F(ListMerge, AnEmptyMergeWritesAnEmptyFileOverAnOldOne) {
    dir.write(kReferenceListName, "R1 a\n");
    dir.write("list.lib_", "old contents\r\n");
    ui.files = {dir.write("list.lib", "X b\n")};
    run(Button8Click);
    EXPECT_EQ(dir.read("list.lib_"), Bytes{});
}

TEST_F(ListMerge, ListsThatCannotBeReadWriteNothing) {
    const std::string chosen = dir.write("list.lib", "# mine\n");
    ui.files = {std::nullopt, chosen};
    run(Button8Click);
    EXPECT_FALSE(run(Button8Click)); // no reference list here
    dir.write(kReferenceListName, "R1 a\n");
    ui.files = {dir.path("missing.lib")};
    EXPECT_FALSE(run(Button8Click));
    EXPECT_EQ(ui.events,
              (Calls{"file:Open2", "file:Open2",
                     std::string("error:Cannot open file ") + kReferenceListName, "file:Open2",
                     "error:Cannot open file " + dir.path("missing.lib")}));
    EXPECT_TRUE(dir.read("list.lib_").empty());
    EXPECT_FALSE(std::filesystem::exists(dir.path("list.lib_")));
    EXPECT_FALSE(std::filesystem::exists(dir.path("missing.lib_")));
}

TEST_F(ListMerge, AListTooLongToReadCountsAsUnreadable) {
    dir.write(kReferenceListName, std::string(kListFileLimit + 1, '#'));
    ui.files = {dir.write("list.lib", "C1 a\n")};
    EXPECT_FALSE(run(Button8Click));
    EXPECT_EQ(ui.events,
              (Calls{"file:Open2", std::string("error:Cannot open file ") + kReferenceListName}));
    EXPECT_FALSE(std::filesystem::exists(dir.path("list.lib_")));
}

TEST_F(ListMerge, AnOutputThatCannotBeWrittenIsReported) {
    dir.write(kReferenceListName, "R1 a\n");
    const std::string chosen = dir.write("list.lib", "C1 a\n");
    std::filesystem::create_directory(chosen + "_");
    ui.files = {chosen};
    EXPECT_FALSE(run(Button8Click));
    EXPECT_EQ(ui.events, (Calls{"file:Open2", "error:Cannot create file " + chosen + "_"}));
    EXPECT_TRUE(std::filesystem::is_directory(chosen + "_"));
}

class ServiceSlot : public ModextTest {
  protected:
    TempCwd dir;
};

Calls ServiceWriteAndCheck(size_t n) {
    return {"InitGBPMode(1)",        "WriteNVMFile(17,19," + std::to_string(n) + ")",
            "EndGBPMode()",          "InitGBPMode(1)",
            "GetNVMFileSize(17,19)", "EndGBPMode()"};
}

TEST_F(ServiceSlot, UploadCutsLongFilesThenTrims) {
    struct Case {
        const char* name;
        Bytes file;
        size_t written;
    };
    Bytes longWithNops = Filler(70000);
    longWithNops[65532] = 0xC0;
    longWithNops[65533] = 0x46;
    longWithNops[65534] = 0xC0;
    longWithNops[65535] = 0x46;
    const Case cases[] = {
        {"70000 bytes", Filler(70000), 65536},
        {"no-ops at the cut", longWithNops, 65532},
        {"only no-ops", {0xC0, 0x46, 0xC0, 0x46}, 0},
        {"small", Filler(5), 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FreshCommandWorld world;
        FakePhone& p = world.phone;
        AppState& s = world.state;
        ScriptedUi& u = world.ui;
        CommandContext& cx = world.ctx;
        u.files = {dir.write("any.bin", c.file)};
        EXPECT_TRUE(RunCommand(cx, [&] { Button9Click(cx); }));
        EXPECT_EQ(p.calls, ServiceWriteAndCheck(c.written));
        EXPECT_EQ(p.file(17, 19), Bytes(c.file.begin(), c.file.begin() + c.written));
        EXPECT_EQ(u.events,
                  (Calls{"file:Open1", "status:Uploading data...", "status:Checking data...",
                         "message:OK!:Section uploaded sucsessfully! Size: " +
                             std::to_string(c.written) + " bytes",
                         "status:Uploaded!"}));
        EXPECT_TRUE(s.slotMenuEnabled);
    }
}

TEST_F(ServiceSlot, UploadCancelAndUnreadableFile) {
    ui.files = {std::nullopt, dir.path("missing.bin")};
    run(Button9Click);
    EXPECT_FALSE(state.slotMenuEnabled);
    EXPECT_FALSE(run(Button9Click));
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_EQ(ui.events, (Calls{"file:Open1", "file:Open1", "status:Uploading data...",
                                "error:Cannot open file " + dir.path("missing.bin")}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(ServiceSlot, UploadClearsTheFlagAndReportsASessionFailure) {
    state.slotMenuEnabled = true;
    phone.initResults = {-1};
    ui.files = {dir.write("any.bin", Filler(3))};
    run(Button9Click);
    EXPECT_EQ(flagAtInit, std::vector<bool>{false});
    EXPECT_EQ(phone.calls, Calls{"InitGBPMode(1)"});
    EXPECT_EQ(ui.events, (Calls{"file:Open1", "status:Uploading data...",
                                "message:ERROR:Can't Init GPB Mode"}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(ServiceSlot, EraseRunsInASessionOfItsOwn) {
    phone.setFile(17, 19, Filler(9));
    EXPECT_TRUE(run(ButtonCli));
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(1)", "ClearNVMFile(17,19)", "EndGBPMode()"}));
    EXPECT_FALSE(phone.file(17, 19));
    EXPECT_EQ(ui.events, Calls{"status:Erased!"});
    EXPECT_FALSE(state.slotMenuEnabled);
}

TEST_F(ServiceSlot, EraseReportsASessionFailureAndLeavesTheFlag) {
    phone.setFile(17, 19, Filler(9));
    phone.initResults = {-1};
    run(ButtonCli);
    EXPECT_EQ(phone.calls, Calls{"InitGBPMode(1)"});
    EXPECT_TRUE(phone.file(17, 19));
    EXPECT_EQ(ui.events, Calls{"message:ERROR:Can't Init GPB Mode"});
    EXPECT_FALSE(state.slotMenuEnabled);
}

} // namespace
