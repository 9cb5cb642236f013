#include "transfer/TransferCommands.h"

#include "tests/transfer/FlowFixture.h"

#include <algorithm>
#include <filesystem>

namespace {

const SlotAddress kSlot{18, 9};
const std::string kNoSession = "message:ERROR:Can't Init GPB Mode";
const std::string kFailed = "message:ERROR:Section uploaded with error or out of memory!\nTry to "
                            "upload again or free some NVM memory.\n"
                            "Converted program stored at temp.prg file!!!";

const Calls kRead = {"InitGBPMode(1)", "ReadNVMFile(18,9,21504)", "EndGBPMode()"};
const Calls kClear = {"InitGBPMode(1)", "ClearNVMFile(18,9)", "GetNVMFileSize(18,9)",
                      "EndGBPMode()"};

Calls Write(size_t n) {
    return {"InitGBPMode(1)", "WriteNVMFile(18,9," + std::to_string(n) + ")", "EndGBPMode()"};
}

Calls Scan() {
    return Concat({{"InitGBPMode(1)"}, ScanCalls("18,9"), {"EndGBPMode()"}});
}

Bytes Ufif20Program() {
    return UfifProgram(0x20000000, "Old", {0x4801B403, 0, 0x36A9D1, 0x36A700, 0x820000});
}

// Converted for "0x37BDD8 - Z7 4.5.6/4".
Bytes ConvertedForZ7() {
    return UfifProgram(0x20010000, "Old", {0x4801B403, 0, 0x37C155, 0x36A700, 0x8A0000});
}

class ConvertFlow : public FlowTest {
  protected:
    void SetUp() override {
        cwd_.emplace(dir.path());
        state.firmware.text = "0x37BDD8 - Z7 4.5.6/4";
    }
    void TearDown() override { cwd_.reset(); }

    Bytes TempPrg() const { return ReadLocal(dir.file("temp.prg")); }
    bool TempPrgExists() const { return std::filesystem::exists(dir.path() / "temp.prg"); }

  private:
    std::optional<CurrentDirectory> cwd_;
};

TEST_F(ConvertFlow, ConvertsKeepsACopyErasesAndWritesBack) {
    phone.setFile(18, 9, Ufif20Program());
    const size_t n = Ufif20Program().size();
    EXPECT_TRUE(Run(ConvertActionExecute, kSlot));
    EXPECT_EQ(phone.calls, Concat({kRead, kClear, Write(n), Scan()}));
    EXPECT_EQ(ui.events, (Calls{"status:Downloading data...", "status:Downloaded!",
                                "status:Converting data...", "status:Convert done!", "report:1",
                                "status:Erasing section...", "status:Refreshing section 18-9...",
                                "status:Erased!", "repaint", "status:Uploading data...",
                                "status:Refreshing section 18-9...", "repaint",
                                "message:OK!:Section uploaded sucsessfully!", "status:Uploaded!"}));
    EXPECT_EQ(ui.reportShown, (Calls{"offset: 32; UFIF Address:3581696"}));
    EXPECT_EQ(phone.file(18, 9), ConvertedForZ7());
    EXPECT_EQ(TempPrg(), ConvertedForZ7());
    EXPECT_EQ(state.table[1].FormatTag, 0x20010000u);
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(ConvertFlow, AProgramOfExactlyTheBufferSizeIsConverted) {
    Bytes image = Ufif20Program();
    image.resize(21504, 0x01);
    phone.setFile(18, 9, image);
    EXPECT_TRUE(Run(ConvertActionExecute, kSlot));
    const Calls readAndSize = {"InitGBPMode(1)", "ReadNVMFile(18,9,21504)", "GetNVMFileSize(18,9)",
                               "EndGBPMode()"};
    EXPECT_EQ(phone.calls, Concat({readAndSize, kClear, Write(21504), Scan()}));
    EXPECT_EQ(phone.file(18, 9)->size(), 21504u);
    EXPECT_EQ(ReadWordLE(*phone.file(18, 9), 0), 0x20010000u);
}

// Writing back what fits in the buffer would cut the program's tail.
TEST_F(ConvertFlow, ALongerProgramIsRefusedBeforeAnythingChanges) {
    Bytes image = Ufif20Program();
    image.resize(21505, 0x01);
    phone.setFile(18, 9, image);
    EXPECT_TRUE(Run(ConvertActionExecute, kSlot));
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(1)", "ReadNVMFile(18,9,21504)",
                                  "GetNVMFileSize(18,9)", "EndGBPMode()"}));
    EXPECT_EQ(ui.events,
              (Calls{"status:Downloading data...",
                     "message:ERROR:Can't convert - program is bigger than 21504 bytes!"}));
    EXPECT_EQ(phone.file(18, 9), image);
    EXPECT_FALSE(TempPrgExists());
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(ConvertFlow, ASizeThatCannotBeReadAfterAFullReadChangesNothing) {
    Bytes image = Ufif20Program();
    image.resize(21504, 0x01);
    phone.setFile(18, 9, image);
    phone.sizeResults[{18, 9}] = -6;
    EXPECT_TRUE(Run(ConvertActionExecute, kSlot));
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(1)", "ReadNVMFile(18,9,21504)",
                                  "GetNVMFileSize(18,9)", "EndGBPMode()"}));
    EXPECT_EQ(ui.events,
              (Calls{"status:Downloading data...", "message:ERROR:Error reading section 18-9"}));
    EXPECT_EQ(phone.file(18, 9), image);
    EXPECT_FALSE(TempPrgExists());
}

TEST_F(ConvertFlow, FailuresBeforeTheEraseChangeNothing) {
    struct Case {
        const char* name;
        std::vector<int32_t> initResults;
        int32_t readResult; // 0: the slot's content
        const char* firmware;
        bool tempPrgBlocked;
        Calls calls;
        Calls events;
    };
    const Calls start = {"status:Downloading data..."};
    const Calls converting = {"status:Downloading data...", "status:Downloaded!",
                              "status:Converting data..."};
    const std::vector<Case> cases = {
        {"no session",
         {2},
         0,
         "0x37BDD8 - Z7 4.5.6/4",
         false,
         {"InitGBPMode(1)"},
         Concat({start, {kNoSession}})},
        {"read error",
         {},
         -3,
         "0x37BDD8 - Z7 4.5.6/4",
         false,
         kRead,
         Concat({start, {"message:ERROR:Error reading section 18-9"}})},
        {"firmware without a base",
         {},
         0,
         "Z7 4.5.6/4",
         false,
         kRead,
         Concat({converting, {"error:'Z7' is not a valid integer value"}})},
        {"temp.prg cannot be created",
         {},
         0,
         "0x37BDD8 - Z7 4.5.6/4",
         true,
         kRead,
         Concat({converting,
                 {"status:Convert done!", "report:1", "error:Cannot create file temp.prg"}})},
    };
    for (const auto& c : cases) {
        phone.calls.clear();
        ui.events.clear();
        phone.setFile(18, 9, Ufif20Program());
        phone.initResults = c.initResults;
        phone.readResults.clear();
        if (c.readResult < 0)
            phone.readResults[{18, 9}] = c.readResult;
        state.firmware.text = c.firmware;
        state.slotMenuEnabled = false;
        std::filesystem::remove_all(dir.path() / "temp.prg");
        if (c.tempPrgBlocked)
            std::filesystem::create_directory(dir.path() / "temp.prg");

        Run(ConvertActionExecute, kSlot);
        EXPECT_EQ(phone.calls, c.calls) << c.name;
        EXPECT_EQ(ui.events, c.events) << c.name;
        EXPECT_EQ(phone.file(18, 9), Ufif20Program()) << c.name;
        EXPECT_EQ(std::filesystem::is_regular_file(dir.path() / "temp.prg"), false) << c.name;
        EXPECT_TRUE(state.slotMenuEnabled) << c.name;
        EXPECT_EQ(phone.openSessions(), 0) << c.name;
    }
}

TEST_F(ConvertFlow, FailuresAfterTheEraseLeaveTheCopyInTempPrg) {
    const size_t n = Ufif20Program().size();
    struct Case {
        const char* name;
        std::vector<int32_t> initResults;
        Calls calls;
        std::optional<Bytes> slotAfter;
        bool namesTheCopy; // the person is told where the converted program is
    };
    const std::vector<Case> cases = {
        // The erase's own session fails; the conversion goes on and writes.
        {"erase session",
         {0, 1},
         Concat({kRead, {"InitGBPMode(1)"}, Write(n), Scan()}),
         ConvertedForZ7(),
         false},
        {"write session",
         {0, 0, 1},
         Concat({kRead, kClear, {"InitGBPMode(1)"}}),
         std::nullopt,
         true},
        {"read-back session",
         {0, 0, 0, 1},
         Concat({kRead, kClear, Write(n), {"InitGBPMode(1)"}}),
         ConvertedForZ7(),
         true},
    };
    for (const auto& c : cases) {
        phone.calls.clear();
        ui.events.clear();
        phone.setFile(18, 9, Ufif20Program());
        phone.initResults = c.initResults;
        state.slotMenuEnabled = false;
        EXPECT_TRUE(Run(ConvertActionExecute, kSlot)) << c.name;
        EXPECT_EQ(phone.calls, c.calls) << c.name;
        EXPECT_EQ(ui.eventsOf("message").front(), "ERROR:Can't Init GPB Mode") << c.name;
        EXPECT_EQ(phone.file(18, 9), c.slotAfter) << c.name;
        EXPECT_EQ(ui.eventsOf("message").back() ==
                      "ERROR:Converted program stored at temp.prg file!!!",
                  c.namesTheCopy)
            << c.name;
        EXPECT_EQ(TempPrg(), ConvertedForZ7()) << c.name;
        EXPECT_TRUE(state.slotMenuEnabled) << c.name;
    }
}

TEST_F(ConvertFlow, ALinkOverstatingItsCountDoesNotPadTheProgram) {
    phone.setFile(18, 9, Ufif20Program());
    phone.claimedReadCounts[{18, 9}] = 99999;
    const size_t n = Ufif20Program().size();
    EXPECT_TRUE(Run(ConvertActionExecute, kSlot));
    EXPECT_EQ(TempPrg(), ConvertedForZ7());
    EXPECT_EQ(phone.file(18, 9), ConvertedForZ7());
    EXPECT_EQ(phone.calls.back(), "EndGBPMode()");
    EXPECT_NE(std::find(phone.calls.begin(), phone.calls.end(),
                        "WriteNVMFile(18,9," + std::to_string(n) + ")"),
              phone.calls.end());
}

TEST_F(ConvertFlow, ASizeReadBackThatDiffersNamesTempPrg) {
    phone.setFile(18, 9, Ufif20Program());
    phone.writeDropped[{18, 9}] = true; // the erase empties it, the write is lost
    EXPECT_TRUE(Run(ConvertActionExecute, kSlot));
    EXPECT_EQ(ui.eventsOf("message"), (Calls{kFailed.substr(std::string("message:").size())}));
    EXPECT_EQ(ui.status, "Upload error!");
    EXPECT_EQ(TempPrg(), ConvertedForZ7());
    EXPECT_TRUE(state.slotMenuEnabled);
}

// The grid offers the entry by the slot's tag; a container with that tag is
// not a UFIF 2.0 image, so its bytes go back unchanged.
TEST_F(ConvertFlow, ANonUfif20ContentIsWrittenBackUnchanged) {
    Bytes container = Words({0x004F5A4C, 0, 0, 0, 0, 0x20000000, 100, 0xE852});
    PutWord(container, 32, 0x36AC74);
    phone.setFile(18, 9, container);
    EXPECT_TRUE(Run(ConvertActionExecute, kSlot));
    EXPECT_EQ(ui.eventsOf("status").at(2), "Erasing section...");
    EXPECT_EQ(phone.file(18, 9), container);
    EXPECT_EQ(TempPrg(), container);
}

} // namespace
