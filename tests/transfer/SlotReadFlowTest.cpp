#include "transfer/TransferCommands.h"

#include "slots/IconCatalogue.h"
#include "tests/transfer/FlowFixture.h"

#include <filesystem>

namespace {

const SlotAddress kSlot{18, 12};
const std::string kNoSession = "message:ERROR:Can't Init GPB Mode";
const std::string kReadError = "message:ERROR:Error reading section 18-12";

class ClearFlow : public FlowTest {};

TEST_F(ClearFlow, ErasesWithoutAskingAndShowsTheEmptySlot) {
    phone.setFile(18, 12, Filled(500));
    const int row = RowForSlot(state.ranges, 18, 12);
    state.table[row].Kind = SlotKind::Program;
    state.table[row].Name = "Game";
    state.table[row].Size = 500;
    EXPECT_TRUE(Run(ClearActionExecute, kSlot));
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(1)", "ClearNVMFile(18,12)", "GetNVMFileSize(18,12)",
                                  "EndGBPMode()"}));
    EXPECT_EQ(ui.events, (Calls{"status:Erasing section...", "status:Refreshing section 18-12...",
                                "status:Erased!", "repaint"}));
    EXPECT_FALSE(phone.file(18, 12));
    EXPECT_EQ(state.table[row].Kind, SlotKind::Empty);
    EXPECT_EQ(state.table[row].Name, "< Empty >");
    EXPECT_EQ(state.table[row].Size, 0);
    EXPECT_EQ(state.table[row].IconIndex, kEmptySlotIconImage);
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(ClearFlow, ASessionThatCannotBeOpenedErasesNothing) {
    phone.setFile(18, 12, Filled(5));
    phone.initResults = {3};
    EXPECT_TRUE(Run(ClearActionExecute, kSlot));
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(1)"}));
    EXPECT_EQ(ui.events, (Calls{"status:Erasing section...", kNoSession}));
    EXPECT_TRUE(phone.file(18, 12));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(ClearFlow, AFailedRescanStillEndsErased) {
    phone.setFile(18, 12, Filled(5));
    phone.sizeResults[{18, 12}] = -4;
    EXPECT_TRUE(Run(ClearActionExecute, kSlot));
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(1)", "ClearNVMFile(18,12)", "GetNVMFileSize(18,12)",
                                  "EndGBPMode()"}));
    EXPECT_EQ(ui.events, (Calls{"status:Erasing section...", "status:Refreshing section 18-12...",
                                "message:ERROR:Error getting section 18-12 size", "status:Erased!",
                                "repaint"}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

class DownloadFlow : public FlowTest {};

TEST_F(DownloadFlow, WritesExactlyTheBytesReadAfterTheSessionEnds) {
    const Bytes content = Filled(70000);
    phone.setFile(18, 12, content);
    const std::string target = dir.file("slot.bin");
    WriteLocal("slot.bin", Filled(99999, 3)); // replaced without a question
    ui.files = {target};
    ui.onFileDialog = [&] {
        EXPECT_EQ(phone.openSessions(), 0);
        EXPECT_TRUE(state.slotMenuEnabled);
    };
    EXPECT_TRUE(Run(DownloadActionExecute, kSlot));
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(1)", "ReadNVMFile(18,12,65536)", "EndGBPMode()"}));
    EXPECT_EQ(ui.events, (Calls{"status:Downloading data...", "file:Save1", "status:Downloaded!"}));
    EXPECT_EQ(ReadLocal(target), Bytes(content.begin(), content.begin() + 65536));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(DownloadFlow, AnEmptySlotGivesAnEmptyFile) {
    phone.setFile(18, 12, {});
    const std::string target = dir.file("empty.bin");
    ui.files = {target};
    EXPECT_TRUE(Run(DownloadActionExecute, kSlot));
    ASSERT_TRUE(std::filesystem::exists(target));
    EXPECT_EQ(std::filesystem::file_size(target), 0u);
}

TEST_F(DownloadFlow, CancellingTheSaveDialogStillEndsDownloaded) {
    phone.setFile(18, 12, Filled(10));
    ui.files = {std::nullopt};
    EXPECT_TRUE(Run(DownloadActionExecute, kSlot));
    EXPECT_EQ(ui.events, (Calls{"status:Downloading data...", "file:Save1", "status:Downloaded!"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(DownloadFlow, AFileThatCannotBeCreatedKeepsTheOldOne) {
    phone.setFile(18, 12, Filled(10));
    const std::string blocked = dir.file("no-such-folder/slot.bin");
    ui.files = {blocked};
    EXPECT_FALSE(Run(DownloadActionExecute, kSlot));
    EXPECT_EQ(ui.events, (Calls{"status:Downloading data...", "file:Save1",
                                "error:Cannot create file " + blocked}));
    EXPECT_EQ(ui.status, "Downloading data...");
    EXPECT_TRUE(state.slotMenuEnabled);
}

// The phone's failures end both reading commands the same way.
TEST(SlotReadFailures, EndWithTheMessageAndNoFile) {
    struct Case {
        const char* name;
        void (*command)(CommandContext&, SlotAddress);
        std::vector<int32_t> initResults;
        int32_t readResult;
        Calls calls;
        Calls events;
    };
    const std::vector<Case> cases = {
        {"download, no session",
         DownloadActionExecute,
         {1},
         0,
         {"InitGBPMode(1)"},
         {"status:Downloading data...", kNoSession}},
        {"download, read error",
         DownloadActionExecute,
         {},
         -2,
         {"InitGBPMode(1)", "ReadNVMFile(18,12,65536)", "EndGBPMode()"},
         {"status:Downloading data...", kReadError}},
        {"gif, no session",
         PlayGIFActionExecute,
         {1},
         0,
         {"InitGBPMode(1)"},
         {"status:Downloading data...", kNoSession}},
        {"gif, read error",
         PlayGIFActionExecute,
         {},
         -2,
         {"InitGBPMode(1)", "ReadNVMFile(18,12,21504)", "EndGBPMode()"},
         {"status:Downloading data...", kReadError}},
    };
    for (const auto& c : cases) {
        FakePhone phone;
        AppState state;
        ScriptedUi ui;
        CommandContext ctx{state, phone.link(), ui};
        TempDir dir;
        CurrentDirectory cwd(dir.path());
        phone.setFile(18, 12, Filled(10));
        phone.initResults = c.initResults;
        if (c.readResult < 0)
            phone.readResults[{18, 12}] = c.readResult;
        EXPECT_TRUE(RunCommand(ctx, [&] { c.command(ctx, kSlot); })) << c.name;
        EXPECT_EQ(phone.calls, c.calls) << c.name;
        EXPECT_EQ(ui.events, c.events) << c.name;
        EXPECT_TRUE(state.slotMenuEnabled) << c.name;
        EXPECT_EQ(phone.openSessions(), 0) << c.name;
        EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << c.name;
    }
}

class PlayGifFlow : public FlowTest {};

TEST_F(PlayGifFlow, WritesTempGifHereAndOpensIt) {
    CurrentDirectory cwd(dir.path());
    Bytes gif = {'G', 'I', 'F', '8', '9', 'a'};
    gif.resize(30000, 0x21);
    phone.setFile(18, 12, gif);
    WriteLocal("temp.gif", Filled(40000)); // a previous preview, replaced
    EXPECT_TRUE(Run(PlayGIFActionExecute, kSlot));
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(1)", "ReadNVMFile(18,12,21504)", "EndGBPMode()"}));
    const std::string shown = (std::filesystem::current_path() / "temp.gif").string();
    EXPECT_EQ(ui.events,
              (Calls{"status:Downloading data...", "status:Downloaded!", "open:" + shown}));
    EXPECT_EQ(ReadLocal(dir.file("temp.gif")), Bytes(gif.begin(), gif.begin() + 21504));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(PlayGifFlow, ATempGifThatCannotBeReplacedOpensNothing) {
    CurrentDirectory cwd(dir.path());
    std::filesystem::create_directory(dir.path() / "temp.gif");
    phone.setFile(18, 12, Bytes{'G', 'I', 'F'});
    EXPECT_FALSE(Run(PlayGIFActionExecute, kSlot));
    EXPECT_EQ(ui.events, (Calls{"status:Downloading data...", "status:Downloaded!",
                                "error:Cannot create file temp.gif"}));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "temp.gif"));
    EXPECT_TRUE(state.slotMenuEnabled);
}

} // namespace
