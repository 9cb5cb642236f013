#include "slots/SlotScan.h"
#include "tests/slots/HeaderBytes.h"
#include "tests/slots/SlotRecordPrinter.h"
#include "tests/support/FakePhone.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// Records, with each status text, whether the context menu could open then.
class MenuWatchingUi : public ScriptedUi {
  public:
    explicit MenuWatchingUi(const AppState& state) : state_(state) {}
    void setStatus(const std::string& text) override {
        ScriptedUi::setStatus(text);
        menuAtStatus.push_back(state_.slotMenuEnabled);
    }
    std::vector<bool> menuAtStatus;

  private:
    const AppState& state_;
};

SlotRecord Previous() {
    return {SlotKind::Gif, "old", 0xAAAA5555, 777, 1, 999, 5};
}

std::vector<uint8_t> UfifProgram(const char* name, size_t size) {
    HeaderBytes h(size);
    h.word(0, 0x20010000).text(4, name);
    return h;
}

struct ScanFixture : ::testing::Test {
    FakePhone phone;
    AppState state;
    MenuWatchingUi ui{state};
    CommandContext ctx{state, phone.link(), ui};

    std::optional<PhoneSession> session;

    // Scans one slot inside an open session, recording only the scan's calls.
    int32_t scan(uint8_t section, uint8_t file) {
        if (!session)
            session.emplace(std::move(*PhoneSession::open(phone.link(), 1)));
        phone.calls.clear();
        return ScanSlot(ctx, *session, section, file);
    }
};

TEST_F(ScanFixture, ReadsSizeAndHeaderAndRecognisesTheSlot) {
    phone.setFile(18, 10, UfifProgram("Snake", 5000));
    state.table[2] = Previous();
    EXPECT_EQ(scan(18, 10), 5000);
    EXPECT_EQ(phone.calls, (Lines{"GetNVMFileSize(18,10)", "ReadNVMFile(18,10,128)"}));
    EXPECT_EQ(ui.events, (Lines{"status:Refreshing section 18-10..."}));
    EXPECT_EQ(state.table[2],
              (SlotRecord{SlotKind::Program, "Snake", 0x20010000, 5000, 0, 999, 107}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(ScanFixture, MissingFilesAreEmptySlots) {
    for (int32_t size : {0, -153, -5}) {
        state.table[22] = Previous();
        state.slotMenuEnabled = false;
        phone.sizeResults[{2, 10}] = size;
        EXPECT_EQ(scan(2, 10), 0) << size;
        EXPECT_EQ(phone.calls, (Lines{"GetNVMFileSize(2,10)"})) << size;
        // The tag is not part of an empty slot's record: it stays.
        EXPECT_EQ(state.table[22],
                  (SlotRecord{SlotKind::Empty, "< Empty >", 0xAAAA5555, 0, 0, 0, 110}))
            << size;
        EXPECT_TRUE(state.slotMenuEnabled) << size;
    }
    EXPECT_TRUE(ui.eventsOf("message").empty());
}

TEST(SlotScan, FailuresLeaveTheRecordAndReturnTheCode) {
    struct Case {
        const char* label;
        std::optional<int32_t> sizeResult;
        std::optional<int32_t> readResult;
        int32_t result;
        Lines calls;
        std::string message;
    };
    const Case cases[] = {
        {"size error",
         -1,
         std::nullopt,
         -1,
         {"GetNVMFileSize(18,9)"},
         "ERROR:Error getting section 18-9 size"},
        {"size error -154",
         -154,
         std::nullopt,
         -154,
         {"GetNVMFileSize(18,9)"},
         "ERROR:Error getting section 18-9 size"},
        {"read error",
         std::nullopt,
         -7,
         -7,
         {"GetNVMFileSize(18,9)", "ReadNVMFile(18,9,128)"},
         "ERROR:Error reading section 18-9"},
    };
    for (const auto& c : cases) {
        FakePhone phone;
        phone.setFile(18, 9, UfifProgram("Snake", 300));
        if (c.sizeResult)
            phone.sizeResults[{18, 9}] = *c.sizeResult;
        if (c.readResult)
            phone.readResults[{18, 9}] = *c.readResult;
        AppState state;
        state.table[1] = Previous();
        ScriptedUi ui;
        CommandContext ctx{state, phone.link(), ui};
        auto session = PhoneSession::open(phone.link(), 1);
        phone.calls.clear();

        EXPECT_EQ(ScanSlot(ctx, *session, 18, 9), c.result) << c.label;
        EXPECT_EQ(phone.calls, c.calls) << c.label;
        EXPECT_EQ(ui.events, (Lines{"status:Refreshing section 18-9...", "message:" + c.message}))
            << c.label;
        EXPECT_EQ(state.table[1], Previous()) << c.label;
        EXPECT_TRUE(state.slotMenuEnabled) << c.label;
        EXPECT_EQ(phone.openSessions(), 1) << c.label << ": the caller closes the session";
    }
}

TEST_F(ScanFixture, WithoutHeadersOnlyTheSizeIsRecorded) {
    state.readHeaders = false;
    phone.setFile(18, 9, UfifProgram("Snake", 5000));
    state.table[1] = Previous();
    EXPECT_EQ(scan(18, 9), 5000);
    EXPECT_EQ(phone.calls, (Lines{"GetNVMFileSize(18,9)"}));
    EXPECT_EQ(state.table[1], (SlotRecord{SlotKind::Program, "", 0, 5000, 0, 999, -1}));
}

TEST_F(ScanFixture, AShortSlotIsRecognisedFromWhatWasRead) {
    phone.setFile(18, 9, std::vector<uint8_t>{'G', 'I', 'F'});
    EXPECT_EQ(scan(18, 9), 3);
    EXPECT_EQ(state.table[1].Kind, SlotKind::Gif);
    EXPECT_EQ(state.table[1].Size, 3);
}

TEST_F(ScanFixture, ALibraryClaimingMoreThanTheBufferIsHeldToIt) {
    phone.setFile(18, 9, UfifProgram("Snake", 5000));
    phone.readResults[{18, 9}] = 4096; // answers more than it may store, stores nothing
    EXPECT_EQ(scan(18, 9), 5000);
    EXPECT_EQ(state.table[1].Kind, SlotKind::Data);
    EXPECT_EQ(state.table[1].Name, "10 sec ringer: ");
}

TEST_F(ScanFixture, AddressesOutsideTheRangesUseTheScratchRow) {
    phone.setFile(18, 8, UfifProgram("Hidden", 400));
    const SlotTable before = state.table;
    EXPECT_EQ(scan(18, 8), 400);
    EXPECT_EQ(state.table[0].Name, "Hidden");
    for (int row = 1; row < kSlotTableSize; ++row)
        EXPECT_EQ(state.table[row], before[row]) << row;
}

struct RefreshFixture : ScanFixture {
    RefreshFixture() {
        state.ranges = {9, 3, 10, 2};
        for (uint8_t f : {9, 10, 11})
            phone.setFile(18, f, UfifProgram("Big", 1000u + f));
        for (uint8_t f : {10, 11})
            phone.setFile(2, f, UfifProgram("Small", 100u + f));
        for (auto& r : state.table)
            r = Previous();
    }
};

TEST_F(RefreshFixture, FullRefreshScansEverySlotInOneSession) {
    Button1Click(ctx);
    EXPECT_EQ(phone.calls,
              (Lines{"InitGBPMode(1)", "GetNVMFileSize(18,9)", "ReadNVMFile(18,9,128)",
                     "GetNVMFileSize(18,10)", "ReadNVMFile(18,10,128)", "GetNVMFileSize(18,11)",
                     "ReadNVMFile(18,11,128)", "GetNVMFileSize(2,10)", "ReadNVMFile(2,10,128)",
                     "GetNVMFileSize(2,11)", "ReadNVMFile(2,11,128)", "EndGBPMode()"}));
    EXPECT_EQ(
        ui.events,
        (Lines{"status:Refreshing section 18-9...", "repaint", "status:Refreshing section 18-10...",
               "repaint", "status:Refreshing section 18-11...", "repaint",
               "status:Refreshing section 2-10...", "repaint", "status:Refreshing section 2-11...",
               "repaint", "repaint", "status:Updated!", "message::Update done!"}));
    EXPECT_EQ(state.table[3].Size, 1011);
    EXPECT_EQ(state.table[5].Name, "Small");
    EXPECT_EQ(state.table[5].Size, 111);
    // The menu stays closed from the start until the first slot is scanned.
    EXPECT_EQ(ui.menuAtStatus, (std::vector<bool>{false, true, true, true, true, true}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(RefreshFixture, AFailingSlotEndsItsRunButNotTheNext) {
    phone.readResults[{18, 10}] = -1;
    phone.sizeResults[{2, 10}] = -2;
    Button1Click(ctx);
    EXPECT_EQ(phone.calls, (Lines{"InitGBPMode(1)", "GetNVMFileSize(18,9)", "ReadNVMFile(18,9,128)",
                                  "GetNVMFileSize(18,10)", "ReadNVMFile(18,10,128)",
                                  "GetNVMFileSize(2,10)", "EndGBPMode()"}));
    EXPECT_EQ(
        ui.events,
        (Lines{"status:Refreshing section 18-9...", "repaint", "status:Refreshing section 18-10...",
               "message:ERROR:Error reading section 18-10", "status:Refreshing section 2-10...",
               "message:ERROR:Error getting section 2-10 size", "repaint", "status:Updated!",
               "message::Update done!"}));
    EXPECT_EQ(state.table[1].Name, "Big");
    for (int row : {2, 3, 4, 5})
        EXPECT_EQ(state.table[row], Previous()) << row;
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(RefreshFixture, WithoutBigSlotsOnlyTheSmallRunIsScanned) {
    state.ranges.BigSlots = 0;
    state.readHeaders = false;
    Button1Click(ctx);
    EXPECT_EQ(phone.calls, (Lines{"InitGBPMode(1)", "GetNVMFileSize(2,10)", "GetNVMFileSize(2,11)",
                                  "EndGBPMode()"}));
    EXPECT_EQ(state.table[1], (SlotRecord{SlotKind::Program, "", 0, 110, 0, 999, -1}));
}

TEST_F(RefreshFixture, NoSessionNoScan) {
    phone.initResults = {-1, -1};
    state.portIndex = 2;
    const SlotTable before = state.table;
    Button1Click(ctx);
    RefreshActionExecute(ctx, {18, 9});
    EXPECT_EQ(phone.calls, (Lines{"InitGBPMode(3)", "InitGBPMode(3)"}));
    EXPECT_EQ(ui.events,
              (Lines{"message:ERROR:Can't Init GPB Mode", "message:ERROR:Can't Init GPB Mode"}));
    EXPECT_TRUE(state.table == before);
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(RefreshFixture, RefreshScansTheOneSlot) {
    Button1Click(ctx);
    phone.calls.clear();
    ui.events.clear();
    ui.menuAtStatus.clear();
    phone.setFile(2, 11, UfifProgram("New", 222));
    RefreshActionExecute(ctx, {2, 11});
    EXPECT_EQ(phone.calls, (Lines{"InitGBPMode(1)", "GetNVMFileSize(2,11)", "ReadNVMFile(2,11,128)",
                                  "EndGBPMode()"}));
    EXPECT_EQ(ui.events,
              (Lines{"status:Refreshing section 2-11...", "repaint", "status:Refreshed!"}));
    EXPECT_EQ(ui.menuAtStatus, (std::vector<bool>{false, true}));
    EXPECT_EQ(state.table[5].Name, "New");
}

TEST_F(RefreshFixture, RefreshEndsTheSameWayWhenTheScanFails) {
    phone.sizeResults[{18, 9}] = -1;
    state.readHeaders = false;
    RefreshActionExecute(ctx, {18, 9});
    EXPECT_EQ(phone.calls, (Lines{"InitGBPMode(1)", "GetNVMFileSize(18,9)", "EndGBPMode()"}));
    EXPECT_EQ(ui.events, (Lines{"status:Refreshing section 18-9...",
                                "message:ERROR:Error getting section 18-9 size", "repaint",
                                "status:Refreshed!"}));
    EXPECT_EQ(state.table[1], Previous());
    EXPECT_TRUE(state.slotMenuEnabled);
}

} // namespace
