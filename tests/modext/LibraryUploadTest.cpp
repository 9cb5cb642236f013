#include "modext/LibrarySectionWriter.h"
#include "modext/Ufif2LibraryUpload.h"
#include "tests/modext/ModextFixture.h"

#include <gtest/gtest.h>

namespace {

const std::string kUploadError = "message:ERROR:Section uploaded with error or out of memory!\nTry "
                                 "to upload again or free some NVM memory";

Calls WriteAndCheck(const std::string& slot, size_t length) {
    return {"InitGBPMode(1)",
            "WriteNVMFile(" + slot + "," + std::to_string(length) + ")",
            "EndGBPMode()",
            "InitGBPMode(1)",
            "GetNVMFileSize(" + slot + ")",
            "EndGBPMode()"};
}

std::string Success(size_t size) {
    return "message:OK!:Section uploaded sucsessfully! Size: " + std::to_string(size) + " bytes";
}

class LibraryWriter : public ModextTest {};

TEST_F(LibraryWriter, WritesThenChecksInASecondSession) {
    const Bytes image = Filler(300);
    run([&](CommandContext& c) { WriteLibrarySection(c, 2, 16, image); });
    EXPECT_EQ(phone.calls, WriteAndCheck("2,16", 300));
    EXPECT_EQ(phone.file(2, 16), image);
    EXPECT_EQ(ui.events, (Calls{"status:Checking data...", Success(300), "status:Uploaded!"}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(LibraryWriter, ACheckThatFailsStillEndsWithUploaded) {
    struct Case {
        const char* name;
        std::function<void(FakePhone&)> setup;
    };
    const Case cases[] = {
        {"write dropped",
         [](FakePhone& p) {
             p.writeDropped[{2, 16}] = true;
         }},
        {"other size",
         [](FakePhone& p) {
             p.sizeResults[{2, 16}] = 299;
         }},
        {"size error",
         [](FakePhone& p) {
             p.sizeResults[{2, 16}] = -153;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FreshCommandWorld world;
        FakePhone& p = world.phone;
        AppState& s = world.state;
        ScriptedUi& u = world.ui;
        CommandContext& cx = world.ctx;
        c.setup(p);
        RunCommand(cx, [&] { WriteLibrarySection(cx, 2, 16, Filler(300)); });
        EXPECT_EQ(p.calls, WriteAndCheck("2,16", 300));
        EXPECT_EQ(u.events, (Calls{"status:Checking data...", kUploadError, "status:Uploaded!"}));
        EXPECT_TRUE(s.slotMenuEnabled);
    }
}

TEST_F(LibraryWriter, AFailedWriteSessionWritesNothing) {
    phone.initResults = {-1};
    run([&](CommandContext& c) { WriteLibrarySection(c, 17, 19, Filler(4)); });
    EXPECT_EQ(phone.calls, Calls{"InitGBPMode(1)"});
    EXPECT_EQ(ui.events, Calls{"message:ERROR:Can't Init GPB Mode"});
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(LibraryWriter, AFailedCheckSessionShowsNoResult) {
    phone.initResults = {0, -1};
    run([&](CommandContext& c) { WriteLibrarySection(c, 17, 19, Filler(4)); });
    EXPECT_EQ(phone.calls,
              (Calls{"InitGBPMode(1)", "WriteNVMFile(17,19,4)", "EndGBPMode()", "InitGBPMode(1)"}));
    EXPECT_EQ(ui.events, (Calls{"status:Checking data...", "message:ERROR:Can't Init GPB Mode",
                                "status:Uploaded!"}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(LibraryWriter, CheckReturnsTheSizeOnlyWhenItMatches) {
    phone.setFile(2, 17, Filler(10));
    EXPECT_EQ(CheckUploadedSection(ctx, 2, 17, 10), 10);
    EXPECT_EQ(CheckUploadedSection(ctx, 2, 17, 11), -1);
    EXPECT_EQ(CheckUploadedSection(ctx, 2, 99, 0), -1); // no such file: a negative size
    phone.setFile(2, 15, {});
    EXPECT_EQ(CheckUploadedSection(ctx, 2, 15, 0), 0);
    phone.initResults = {-1};
    EXPECT_EQ(CheckUploadedSection(ctx, 2, 17, 10), -1);
    EXPECT_EQ(ui.eventsOf("message"),
              (Calls{"OK!:Section uploaded sucsessfully! Size: 10 bytes", kUploadError.substr(8),
                     kUploadError.substr(8), "OK!:Section uploaded sucsessfully! Size: 0 bytes",
                     "ERROR:Can't Init GPB Mode"}));
}

// "ZUV2" with the library slot at offsets 6 (file) and 7 (section).
Bytes PrefWithLibrary(uint8_t file, uint8_t section) {
    return {'Z', 'U', 'V', '2', 0x03, 0, file, section, 0, 0, 0, 0};
}

const Calls kPrefRead{"InitGBPMode(1)", "ReadNVMFile(2,18,12)", "EndGBPMode()"};

Calls Concat(Calls a, const Calls& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class Ufif2Upload : public ModextTest {
  protected:
    TempCwd dir;
};

TEST_F(Ufif2Upload, AskedWithTheDefaultSlotWhenTheRecordNamesNone) {
    phone.setFile(2, 18, PrefWithLibrary(0, 0));
    const Bytes lib = Filler(1000);
    ui.confirms = {true};
    ui.files = {dir.write("lib.bin", lib)};
    EXPECT_TRUE(run(Button5Click));
    EXPECT_EQ(phone.calls, Concat(kPrefRead, WriteAndCheck("2,17", 1000)));
    EXPECT_EQ(phone.file(2, 17), lib);
    EXPECT_EQ(ui.events, (Calls{"confirm:Are you sure to upload library into section 2-17?",
                                "file:Open1", "status:Uploading data...", "status:Checking data...",
                                Success(1000), "status:Uploaded!"}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(Ufif2Upload, FollowsTheSlotTheRecordNames) {
    phone.setFile(2, 18, PrefWithLibrary(12, 2));
    state.prefs.sEdit = "2";
    state.prefs.ssEdit = "17"; // what the dialog showed last time does not count
    ui.confirms = {true};
    ui.files = {dir.write("lib.bin", Filler(8))};
    run(Button5Click);
    EXPECT_EQ(ui.events.front(), "confirm:Are you sure to upload library into section 2-12?");
    EXPECT_EQ(phone.calls, Concat(kPrefRead, WriteAndCheck("2,12", 8)));
}

TEST_F(Ufif2Upload, AnUnreadableRecordEndsWithTheConversionError) {
    struct Case {
        const char* name;
        std::function<void(FakePhone&)> setup;
        Calls calls;
        std::string message;
    };
    const Case cases[] = {
        {"session",
         [](FakePhone& p) { p.initResults = {-1}; },
         {"InitGBPMode(1)"},
         "message:ERROR:Can't Init GPB Mode"},
        {"read",
         [](FakePhone& p) {
             p.readResults[{2, 18}] = -5;
         },
         kPrefRead, "message:ERROR:Error reading section 2-18"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FreshCommandWorld world;
        FakePhone& p = world.phone;
        AppState& s = world.state;
        ScriptedUi& u = world.ui;
        CommandContext& cx = world.ctx;
        c.setup(p);
        EXPECT_FALSE(RunCommand(cx, [&] { Button5Click(cx); }));
        EXPECT_EQ(p.calls, c.calls);
        EXPECT_EQ(u.events, (Calls{c.message, "error:'' is not a valid integer value"}));
        EXPECT_TRUE(s.slotMenuEnabled);
    }
}

TEST_F(Ufif2Upload, CancelAtTheQuestionOrTheFileDialogChangesNothing) {
    phone.setFile(2, 18, PrefWithLibrary(0, 0));
    ui.confirms = {false};
    run(Button5Click);
    EXPECT_EQ(ui.events, Calls{"confirm:Are you sure to upload library into section 2-17?"});

    ui.events.clear();
    phone.calls.clear();
    ui.confirms = {true};
    ui.files = {std::nullopt};
    run(Button5Click);
    EXPECT_EQ(ui.events,
              (Calls{"confirm:Are you sure to upload library into section 2-17?", "file:Open1"}));
    EXPECT_EQ(phone.calls, kPrefRead);
    EXPECT_FALSE(phone.file(2, 17));
}

TEST_F(Ufif2Upload, TrimsAndKeepsTheLimit) {
    struct Case {
        const char* name;
        Bytes file;
        std::optional<size_t> written; // nullopt: refused as too big
    };
    auto withTail = [](size_t n, Bytes tail) {
        Bytes b = Filler(n);
        b.insert(b.end(), tail.begin(), tail.end());
        return b;
    };
    const Case cases[] = {
        {"exactly 21504", Filler(21504), 21504},
        {"21505", Filler(21505), std::nullopt},
        {"long, trims to the limit", withTail(21502, {0xC0, 0x46, 0xC0, 0x46, 0xC0, 0x46}), 21502},
        {"ends C0 46 C0 46", withTail(10, {0xC0, 0x46, 0xC0, 0x46}), 10},
        {"ends 46 C0", withTail(10, {0x46, 0xC0}), 12},
        {"11 C0 46", {0x11, 0xC0, 0x46}, 1},
        {"only no-ops", {0xC0, 0x46, 0xC0, 0x46}, 0},
        {"empty", {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FreshCommandWorld world;
        FakePhone& p = world.phone;
        AppState& s = world.state;
        ScriptedUi& u = world.ui;
        CommandContext& cx = world.ctx;
        u.files = {dir.write("lib.bin", c.file)};
        RunCommand(cx, [&] { UploadUfif2Library(cx, 2, 17); });
        EXPECT_TRUE(s.slotMenuEnabled);
        if (!c.written) {
            EXPECT_TRUE(p.calls.empty());
            EXPECT_EQ(u.events, (Calls{"file:Open1", "status:Uploading data...",
                                       "message:ERROR:Can't uplod - library file too big!"}));
            continue;
        }
        EXPECT_EQ(p.calls, WriteAndCheck("2,17", *c.written));
        EXPECT_EQ(p.file(2, 17), Bytes(c.file.begin(), c.file.begin() + *c.written));
        EXPECT_EQ(u.eventsOf("message"), Calls{Success(*c.written).substr(8)});
    }
}

TEST_F(Ufif2Upload, AFileThatCannotBeOpenedWritesNothing) {
    const std::string missing = dir.path("missing.bin");
    ui.files = {missing};
    EXPECT_FALSE(run([](CommandContext& c) { UploadUfif2Library(c, 2, 17); }));
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_EQ(ui.events, (Calls{"file:Open1", "status:Uploading data...",
                                "error:Cannot open file " + missing}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

} // namespace
