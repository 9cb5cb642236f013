#include "modext/PrefActions.h"
#include "modext/PrefRecord.h"
#include "tests/modext/ModextFixture.h"

#include <gtest/gtest.h>

namespace {

const Calls kReadCalls{"InitGBPMode(1)", "ReadNVMFile(2,18,12)", "EndGBPMode()"};
const Calls kWriteCalls{"InitGBPMode(1)", "WriteNVMFile(2,18,12)", "GetNVMFileSize(2,18)",
                        "ReadNVMFile(2,18,12)", "EndGBPMode()"};
const Calls kWriteCallsWrongSize{"InitGBPMode(1)", "WriteNVMFile(2,18,12)",
                                 "GetNVMFileSize(2,18)", "EndGBPMode()"};
const std::string kUploadError = "ERROR:Section uploaded with error or out of memory!\nTry to "
                                 "upload again or free some NVM memory";

// "ZUV2", menu mode, 0, library file and section, autorun file and section, 2 reserved.
Bytes Record(uint8_t menu, uint8_t libFile, uint8_t libSection, uint8_t runFile, uint8_t runSection,
             uint8_t r10 = 0, uint8_t r11 = 0) {
    return {'Z', 'U', 'V', '2', menu, 0, libFile, libSection, runFile, runSection, r10, r11};
}

Bytes Prefix(Bytes bytes, size_t n) {
    bytes.resize(n);
    return bytes;
}

TEST(PrefRecordLayout, FieldsPastTheBytesReadCountAsZero) {
    const Bytes full = Record(0x07, 17, 2, 9, 18, 0xAA, 0xBB);
    const PrefRecord whole = ParsePrefRecord(full);
    EXPECT_EQ(whole.menuMode, 0x07);
    EXPECT_EQ(whole.libraryFile, 17);
    EXPECT_EQ(whole.librarySection, 2);
    EXPECT_EQ(whole.autorunFile, 9);
    EXPECT_EQ(whole.autorunSection, 18);
    EXPECT_EQ(whole.reserved10, 0xAA);
    EXPECT_EQ(whole.reserved11, 0xBB);

    const PrefRecord seven = ParsePrefRecord(std::span(full).first(7));
    EXPECT_EQ(seven.libraryFile, 17);
    EXPECT_EQ(seven.librarySection, 0);
    EXPECT_EQ(seven.autorunFile, 0);
    EXPECT_EQ(seven.autorunSection, 0);
    EXPECT_EQ(ParsePrefRecord({}).menuMode, 0);
}

TEST(PrefRecordLayout, BuildPutsTheFileBeforeTheSectionAndZeroAtByte5) {
    PrefRecord record;
    record.menuMode = 0xFF;
    record.libraryFile = 17;
    record.librarySection = 2;
    record.autorunFile = 9;
    record.autorunSection = 18;
    record.reserved10 = 1;
    record.reserved11 = 2;
    const auto bytes = BuildPrefRecord(record);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), Record(0xFF, 17, 2, 9, 18, 1, 2));
}

class GetPref : public ModextTest {};

struct ReadCase {
    const char* name;
    Bytes stored;
    int rgBefore;
    // Expected controls after the read.
    std::string sEdit, ssEdit;
    bool autorun;
    std::string asEdit, assEdit;
    int rg;
};

TEST_F(GetPref, SetsTheControlsFromTheRecord) {
    const ReadCase cases[] = {
        {"full record", Record(0x07, 17, 2, 9, 18), -1, "2", "17", true, "18", "9", 1},
        {"other library slot", Record(0x03, 12, 2, 20, 18), 2, "2", "12", true, "18", "20", 0},
        {"show all", Record(0xFF, 5, 18, 9, 18), -1, "18", "5", true, "18", "9", 2},
        {"autorun file 0", Record(0xFF, 17, 2, 0, 18), -1, "2", "17", false, "xx", "yy", 2},
        {"11 bytes", Prefix(Record(0x07, 17, 2, 9, 18), 11), -1, "2", "17", false, "xx", "yy", 1},
        {"library section 0", Record(0x07, 33, 0, 9, 18), -1, "2", "17", true, "18", "9", 1},
        {"unlisted menu mode, nothing selected", Record(0x05, 17, 2, 0, 0), -1, "2", "17", false,
         "xx", "yy", -1},
        {"unlisted menu mode keeps the selection", Record(0x05, 17, 2, 0, 0), 2, "2", "17", false,
         "xx", "yy", 2},
        {"any magic",
         {'A', 'B', 'C', 'D', 0x03, 0, 9, 18, 9, 18, 0, 0},
         -1,
         "18",
         "9",
         true,
         "18",
         "9",
         0},
        {"7 bytes", Prefix(Record(0x07, 17, 2, 9, 18), 7), -1, "2", "17", false, "xx", "yy", 1},
        {"3 bytes", {'Z', 'U', 'V'}, 1, "2", "17", false, "xx", "yy", 1},
        {"empty slot file", {}, -1, "2", "17", false, "xx", "yy", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FreshCommandWorld world;
        FakePhone& p = world.phone;
        AppState& s = world.state;
        ScriptedUi& u = world.ui;
        CommandContext& cx = world.ctx;
        p.setFile(2, 18, c.stored);
        s.prefs.AsEdit = "xx";
        s.prefs.AssEdit = "yy";
        s.prefs.ACheckBox = !c.autorun;
        s.prefs.autorunEditsVisible = !c.autorun;
        s.prefs.RG1 = c.rgBefore;
        EXPECT_TRUE(RunCommand(cx, [&] { GetPrefActionExecute(cx); }));
        EXPECT_EQ(p.calls, kReadCalls);
        EXPECT_TRUE(u.events.empty());
        EXPECT_EQ(s.prefs.sEdit, c.sEdit);
        EXPECT_EQ(s.prefs.ssEdit, c.ssEdit);
        EXPECT_EQ(s.prefs.ACheckBox, c.autorun);
        EXPECT_EQ(s.prefs.autorunEditsVisible, c.autorun);
        EXPECT_EQ(s.prefs.AsEdit, c.asEdit);
        EXPECT_EQ(s.prefs.AssEdit, c.assEdit);
        EXPECT_EQ(s.prefs.RG1, c.rg);
        EXPECT_EQ(s.prefs.lastRead, c.stored);
        EXPECT_TRUE(s.slotMenuEnabled);
    }
}

TEST_F(GetPref, ClearsTheFlagBeforeThePhoneIsCalled) {
    state.slotMenuEnabled = true;
    phone.setFile(2, 18, Record(0x03, 17, 2, 0, 0));
    run(GetPrefActionExecute);
    EXPECT_EQ(flagAtInit, std::vector<bool>{false});
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(GetPref, ASessionFailureLeavesOnlyTheLibraryEditsEmpty) {
    phone.initResults = {-1};
    state.prefs.ACheckBox = true;
    state.prefs.RG1 = 1;
    state.prefs.lastRead = Record(0x05, 17, 2, 0, 0);
    run(GetPrefActionExecute);
    EXPECT_EQ(phone.calls, Calls{"InitGBPMode(1)"});
    EXPECT_EQ(ui.events, Calls{"message:ERROR:Can't Init GPB Mode"});
    EXPECT_EQ(state.prefs.sEdit, "");
    EXPECT_EQ(state.prefs.ssEdit, "");
    EXPECT_EQ(state.prefs.AsEdit, "18");
    EXPECT_EQ(state.prefs.AssEdit, "09");
    EXPECT_TRUE(state.prefs.ACheckBox);
    EXPECT_EQ(state.prefs.RG1, 1);
    EXPECT_EQ(state.prefs.lastRead, Record(0x05, 17, 2, 0, 0));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(GetPref, AReadErrorNamesTheSlotAndClosesTheSession) {
    phone.readResults[{2, 18}] = -153;
    run(GetPrefActionExecute);
    EXPECT_EQ(phone.calls, kReadCalls);
    EXPECT_EQ(phone.openSessions(), 0);
    EXPECT_EQ(ui.events, Calls{"message:ERROR:Error reading section 2-18"});
    EXPECT_EQ(state.prefs.sEdit, "");
    EXPECT_EQ(state.prefs.ssEdit, "");
    EXPECT_FALSE(state.prefs.lastRead);
    EXPECT_TRUE(state.slotMenuEnabled);
}

class SetPref : public ModextTest {
  protected:
    Bytes written() { return phone.file(2, 18).value_or(Bytes{}); }
};

struct WriteCase {
    const char* name;
    std::string s, ss, as, ass;
    bool autorun;
    int rg;
    Bytes expected;
};

TEST_F(SetPref, BuildsTheRecordFromTheControls) {
    const WriteCase cases[] = {
        {"defaults", "02", "17", "18", "09", true, 0, Record(0x03, 17, 2, 9, 18)},
        {"progs and data", "2", "17", "18", "9", true, 1, Record(0x07, 17, 2, 9, 18)},
        {"show all", "2", "17", "18", "9", true, 2, Record(0xFF, 17, 2, 9, 18)},
        {"300 keeps its low 8 bits", "300", "17", "18", "300", true, 0,
         Record(0x03, 17, 0x2C, 0x2C, 18)},
        {"autorun off writes zeros whatever the edits hold", "2", "17", "abc", "", false, 0,
         Record(0x03, 17, 2, 0, 0)},
        {"hexadecimal and signed texts", "$12", "0x11", "-1", "+7", true, 0,
         Record(0x03, 0x11, 0x12, 7, 0xFF)},
        {"leading blanks", "  2", " 17", "18", "9", true, 0, Record(0x03, 17, 2, 9, 18)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FreshCommandWorld world;
        FakePhone& p = world.phone;
        AppState& s = world.state;
        ScriptedUi& u = world.ui;
        CommandContext& cx = world.ctx;
        s.prefs.sEdit = c.s;
        s.prefs.ssEdit = c.ss;
        s.prefs.AsEdit = c.as;
        s.prefs.AssEdit = c.ass;
        s.prefs.ACheckBox = c.autorun;
        s.prefs.RG1 = c.rg;
        EXPECT_TRUE(RunCommand(cx, [&] { SetPrefActionExecute(cx); }));
        EXPECT_EQ(p.calls, kWriteCalls);
        EXPECT_EQ(p.file(2, 18), c.expected);
        EXPECT_EQ(u.events, (Calls{"status:Uploading data...", "status:Uploaded!"}));
        EXPECT_TRUE(s.slotMenuEnabled);
    }
}

TEST_F(SetPref, AutorunEditsOf18And09LandAt9And8) {
    state.prefs.ACheckBox = true;
    state.prefs.RG1 = 0;
    run(SetPrefActionExecute);
    const Bytes bytes = written();
    ASSERT_EQ(bytes.size(), 12u);
    EXPECT_EQ(bytes[8], 0x09);
    EXPECT_EQ(bytes[9], 0x12);
}

TEST_F(SetPref, WithNoMenuItemSelectedTheLastReadCodeIsWrittenBack) {
    struct Case {
        const char* name;
        std::optional<Bytes> lastRead;
        uint8_t menu, r10, r11;
    };
    const Case cases[] = {
        {"nothing read", std::nullopt, 0x03, 0, 0},
        {"unlisted code", Record(0x05, 17, 2, 0, 0, 0xAA, 0xBB), 0x05, 0xAA, 0xBB},
        {"11 bytes: no reserved bytes", Prefix(Record(0x05, 17, 2, 0, 0, 0xAA), 11), 0x05, 0, 0},
        {"4 bytes: no menu code", Bytes{'Z', 'U', 'V', '2'}, 0x03, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FreshCommandWorld world;
        FakePhone& p = world.phone;
        AppState& s = world.state;
        CommandContext& cx = world.ctx;
        s.prefs.RG1 = -1;
        s.prefs.lastRead = c.lastRead;
        RunCommand(cx, [&] { SetPrefActionExecute(cx); });
        EXPECT_EQ(p.file(2, 18), Record(c.menu, 17, 2, 0, 0, c.r10, c.r11));
    }
}

TEST_F(SetPref, ARoundTripThroughTheDialogKeepsWhatThePhoneStored) {
    const Bytes stored = Record(0x05, 12, 2, 0, 0, 0xAA, 0xBB);
    phone.setFile(2, 18, stored);
    run(GetPrefActionExecute);
    run(SetPrefActionExecute);
    EXPECT_EQ(written(), stored);
}

TEST_F(SetPref, ASelectedItemOverridesTheLastReadCode) {
    state.prefs.lastRead = Record(0x05, 17, 2, 0, 0);
    state.prefs.RG1 = 2;
    run(SetPrefActionExecute);
    EXPECT_EQ(written()[4], 0xFF);
}

TEST_F(SetPref, ConversionsRunInOrderBeforeThePhoneIsContacted) {
    struct Case {
        std::string s, ss, as, ass, error;
    };
    const Case cases[] = {
        {"x", "y", "a", "b", "'x' is not a valid integer value"},
        {"", "", "18", "9", "'' is not a valid integer value"},
        {"2", "y", "a", "b", "'y' is not a valid integer value"},
        {"2", "17", "a", "b", "'a' is not a valid integer value"},
        {"2", "17", "18", "b", "'b' is not a valid integer value"},
        {"2", "17", "18", "9 ", "'9 ' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        FreshCommandWorld world;
        FakePhone& p = world.phone;
        AppState& s = world.state;
        ScriptedUi& u = world.ui;
        CommandContext& cx = world.ctx;
        s.prefs.sEdit = c.s;
        s.prefs.ssEdit = c.ss;
        s.prefs.AsEdit = c.as;
        s.prefs.AssEdit = c.ass;
        s.prefs.ACheckBox = true;
        EXPECT_FALSE(RunCommand(cx, [&] { SetPrefActionExecute(cx); }));
        EXPECT_TRUE(p.calls.empty());
        EXPECT_EQ(u.events, (Calls{"status:Uploading data...", "error:" + c.error}));
        EXPECT_TRUE(s.slotMenuEnabled);
    }
}

TEST_F(SetPref, ClearsTheFlagBeforeThePhoneIsCalled) {
    state.slotMenuEnabled = true;
    run(SetPrefActionExecute);
    EXPECT_EQ(flagAtInit, std::vector<bool>{false});
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(SetPref, ASessionFailureWritesNothingAndKeepsTheProgressText) {
    phone.initResults = {-1};
    run(SetPrefActionExecute);
    EXPECT_EQ(phone.calls, Calls{"InitGBPMode(1)"});
    EXPECT_EQ(ui.events, (Calls{"status:Uploading data...", "message:ERROR:Can't Init GPB Mode"}));
    EXPECT_EQ(ui.status, "Uploading data...");
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(SetPref, AWriteThePhoneDidNotTakeIsReportedAsAnError) {
    struct Case {
        const char* name;
        std::function<void(FakePhone&)> setup;
        Calls calls;
    };
    const Case cases[] = {
        {"write dropped, slot absent",
         [](FakePhone& p) {
             p.writeDropped[{2, 18}] = true;
         },
         kWriteCallsWrongSize},
        {"write dropped, old short record stays",
         [](FakePhone& p) {
             p.setFile(2, 18, {'Z', 'U', 'V', '2'});
             p.writeDropped[{2, 18}] = true;
         },
         kWriteCallsWrongSize},
        {"write dropped, an old record of the same size stays",
         [](FakePhone& p) {
             p.setFile(2, 18, Record(0xFF, 12, 2, 0, 0));
             p.writeDropped[{2, 18}] = true;
         },
         kWriteCalls},
        {"size error",
         [](FakePhone& p) {
             p.sizeResults[{2, 18}] = -5;
         },
         kWriteCallsWrongSize},
        {"read-back error",
         [](FakePhone& p) {
             p.readResults[{2, 18}] = -12;
         },
         kWriteCalls},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FreshCommandWorld world;
        FakePhone& p = world.phone;
        AppState& s = world.state;
        ScriptedUi& u = world.ui;
        CommandContext& cx = world.ctx;
        c.setup(p);
        RunCommand(cx, [&] { SetPrefActionExecute(cx); });
        EXPECT_EQ(p.calls, c.calls);
        EXPECT_EQ(u.events, (Calls{"status:Uploading data...", "message:" + kUploadError,
                                   "status:Upload error!"}));
        EXPECT_TRUE(s.slotMenuEnabled);
    }
}

} // namespace
