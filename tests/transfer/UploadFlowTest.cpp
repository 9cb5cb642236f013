#include "transfer/TransferCommands.h"

#include "slots/SlotFormats.h"
#include "tests/transfer/FlowFixture.h"
#include "transfer/BuildLzoContainer.h"

namespace {

const SlotAddress kBig{18, 9};
const SlotAddress kSmall{2, 12};
const std::string kFailed = "message:ERROR:Section uploaded with error or out of memory!\nTry to "
                            "upload again or free some NVM memory";
const std::string kTooBig = "message:ERROR:Can't uplod - file too big!";
const std::string kNoSession = "message:ERROR:Can't Init GPB Mode";
const std::string kOk = "message:OK!:Section uploaded sucsessfully!";

using Command = void (*)(CommandContext&, SlotAddress);

Calls WriteAndScan(const std::string& slot, size_t length) {
    return Concat({{"InitGBPMode(1)", "WriteNVMFile(" + slot + "," + std::to_string(length) + ")",
                    "EndGBPMode()", "InitGBPMode(1)"},
                   ScanCalls(slot),
                   {"EndGBPMode()"}});
}

Bytes WithNops(Bytes bytes, size_t pairs) {
    for (size_t i = 0; i < pairs; ++i) {
        bytes.push_back(0xC0);
        bytes.push_back(0x46);
    }
    return bytes;
}

// A UFIF 2.0 program with one moved word and one reported word.
Bytes Ufif20Program() {
    return UfifProgram(0x20000000, "Old", {0x36AC74, 0x36A700, 0x12345678});
}

class UploadFlow : public FlowTest {};

TEST_F(UploadFlow, WritesTheTrimmedFileAndChecksTheSizeReadBack) {
    const Bytes image = Filled(100);
    ui.files = {WriteLocal("prog.bin", WithNops(image, 2))};
    EXPECT_TRUE(Run(UploadActionExecute, kBig));
    EXPECT_EQ(phone.calls, WriteAndScan("18,9", 100));
    EXPECT_EQ(ui.events,
              (Calls{"file:Open1", "status:Uploading data...", "status:Refreshing section 18-9...",
                     "repaint", kOk, "status:Uploaded!"}));
    EXPECT_EQ(phone.file(18, 9), image);
    EXPECT_EQ(state.table[1].Size, 100);
    EXPECT_TRUE(state.slotMenuEnabled);
    EXPECT_EQ(phone.openSessions(), 0);
}

TEST_F(UploadFlow, CancelledFileDialogDoesNothing) {
    for (Command command : {UploadActionExecute, UploadLZOActionExecute}) {
        state.slotMenuEnabled = true;
        ui.events.clear();
        ui.files = {std::nullopt};
        EXPECT_TRUE(Run(command, kBig));
        EXPECT_EQ(ui.events, (Calls{"file:Open1"}));
        EXPECT_TRUE(phone.calls.empty());
        EXPECT_TRUE(state.slotMenuEnabled);
    }
}

TEST_F(UploadFlow, AFileThatCannotBeOpenedWritesNothing) {
    for (Command command : {UploadActionExecute, UploadLZOActionExecute}) {
        for (const std::string& path : {dir.file("missing.bin"), dir.path().string()}) {
            ui.events.clear();
            state.slotMenuEnabled = false;
            ui.files = {path};
            EXPECT_FALSE(Run(command, kBig));
            EXPECT_EQ(ui.events, (Calls{"file:Open1", "status:Uploading data...",
                                        "error:Cannot open file " + path}));
            EXPECT_TRUE(phone.calls.empty());
            EXPECT_TRUE(state.slotMenuEnabled);
        }
    }
}

struct LimitCase {
    const char* name;
    SlotAddress slot;
    Bytes file;
    bool written;
    size_t length;
};

TEST_F(UploadFlow, TheSlotLimitAppliesAfterTrimming) {
    const std::vector<LimitCase> cases = {
        {"small slot, 2048", kSmall, Filled(2048), true, 2048},
        {"small slot, 2049", kSmall, Filled(2049), false, 0},
        {"small slot, 2048 and trailing no-ops", kSmall, WithNops(Filled(2048), 3), true, 2048},
        {"big slot, 65536", kBig, Filled(65536), true, 65536},
        {"big slot, 65537", kBig, Filled(65537), false, 0},
        {"big slot, 65536 and trailing no-ops", kBig, WithNops(Filled(65536), 10), true, 65536},
        {"only no-ops", kBig, WithNops({}, 50), true, 0},
    };
    for (const auto& c : cases) {
        phone.calls.clear();
        ui.events.clear();
        phone.removeFile(c.slot.section, c.slot.file);
        ui.files = {WriteLocal("f.bin", c.file)};
        EXPECT_TRUE(Run(UploadActionExecute, c.slot)) << c.name;
        const std::string slot = std::to_string(c.slot.section) + "," + std::to_string(c.slot.file);
        if (c.written) {
            // An empty slot is scanned by its size alone.
            const Calls expected =
                c.length > 0
                    ? WriteAndScan(slot, c.length)
                    : Calls{"InitGBPMode(1)", "WriteNVMFile(" + slot + ",0)", "EndGBPMode()",
                            "InitGBPMode(1)", "GetNVMFileSize(" + slot + ")", "EndGBPMode()"};
            EXPECT_EQ(phone.calls, expected) << c.name;
            EXPECT_EQ(ui.eventsOf("message"), (Calls{"OK!:Section uploaded sucsessfully!"}))
                << c.name;
            EXPECT_EQ(phone.file(c.slot.section, c.slot.file),
                      Bytes(c.file.begin(), c.file.begin() + static_cast<long>(c.length)))
                << c.name;
        } else {
            EXPECT_TRUE(phone.calls.empty()) << c.name;
            EXPECT_EQ(ui.events, (Calls{"file:Open1", "status:Uploading data...", kTooBig}))
                << c.name;
        }
        EXPECT_TRUE(state.slotMenuEnabled) << c.name;
    }
}

TEST_F(UploadFlow, SessionFailuresEndTheUpload) {
    for (Command command : {UploadActionExecute, UploadLZOActionExecute}) {
        const Bytes image = Filled(300);
        const size_t length =
            command == UploadActionExecute ? image.size() : BuildLzoContainer(image).size();

        // The first session.
        phone.calls.clear();
        ui.events.clear();
        state.slotMenuEnabled = false;
        phone.initResults = {1};
        ui.files = {WriteLocal("f.bin", image)};
        EXPECT_TRUE(Run(command, kBig));
        EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(1)"}));
        EXPECT_EQ(ui.events, (Calls{"file:Open1", "status:Uploading data...", kNoSession}));
        EXPECT_TRUE(state.slotMenuEnabled);

        // The read-back session: written but not verified.
        phone.calls.clear();
        ui.events.clear();
        state.slotMenuEnabled = false;
        phone.initResults = {0, 1};
        ui.files = {WriteLocal("f.bin", image)};
        EXPECT_TRUE(Run(command, kBig));
        EXPECT_EQ(phone.calls,
                  (Calls{"InitGBPMode(1)", "WriteNVMFile(18,9," + std::to_string(length) + ")",
                         "EndGBPMode()", "InitGBPMode(1)"}));
        EXPECT_EQ(ui.events, (Calls{"file:Open1", "status:Uploading data...", kNoSession}));
        EXPECT_TRUE(state.slotMenuEnabled);
        EXPECT_EQ(phone.openSessions(), 0);
    }
}

TEST_F(UploadFlow, ASizeReadBackThatDiffersIsAnError) {
    // The phone keeps the old content: the size read back is the old one.
    phone.setFile(18, 9, Filled(50, 9));
    phone.writeDropped[{18, 9}] = true;
    ui.files = {WriteLocal("f.bin", Filled(100))};
    EXPECT_TRUE(Run(UploadActionExecute, kBig));
    EXPECT_EQ(phone.calls, WriteAndScan("18,9", 100));
    EXPECT_EQ(ui.events,
              (Calls{"file:Open1", "status:Uploading data...", "status:Refreshing section 18-9...",
                     "repaint", kFailed, "status:Upload error!"}));
    EXPECT_TRUE(state.slotMenuEnabled);

    // A failed size query counts as a failed upload too.
    phone.calls.clear();
    ui.events.clear();
    phone.sizeResults[{18, 9}] = -7;
    ui.files = {WriteLocal("f.bin", Filled(100))};
    EXPECT_TRUE(Run(UploadActionExecute, kBig));
    EXPECT_EQ(ui.eventsOf("message"), (Calls{"ERROR:Error getting section 18-9 size",
                                             kFailed.substr(std::string("message:").size())}));
    EXPECT_EQ(ui.status, "Upload error!");
}

TEST_F(UploadFlow, OnlyAUfif20ProgramGetsTheQuestion) {
    const std::vector<Bytes> noQuestion = {
        UfifProgram(0x20010000, "New", {0x36AC74}),
        UfifProgram(0x200000FF, "Old", {0x36AC74}),
        UfifProgram(0x30C0DE01, "Prg3", {0x36AC74}),
        Filled(64),
    };
    for (const Bytes& image : noQuestion) {
        ui.files = {WriteLocal("f.bin", image)};
        EXPECT_TRUE(Run(UploadActionExecute, kBig));
        EXPECT_EQ(phone.file(18, 9), image);
    }
}

struct AnswerCase {
    const char* name;
    ConversionAnswer answer;
};

TEST_F(UploadFlow, TheConversionQuestionDecides) {
    state.firmware.text = "0x370000 - J7/70 3.10/4";
    const Bytes image = Ufif20Program();
    Bytes converted = image;
    converted[2] = 1;
    PutWord(converted, 20, 0x37061C);

    // Yes: marked and converted, the report shown before the write.
    ui.files = {WriteLocal("old.prg", image)};
    ui.conversions = {ConversionAnswer::Yes};
    EXPECT_TRUE(Run(UploadActionExecute, kBig));
    EXPECT_EQ(phone.file(18, 9), converted);
    EXPECT_EQ(ui.events,
              (Calls{"file:Open1", "status:Uploading data...", "question",
                     "status:Converting data...", "status:Convert done!", "report:1",
                     "status:Refreshing section 18-9...", "repaint", kOk, "status:Uploaded!"}));
    EXPECT_EQ(ui.reportShown, (Calls{"offset: 24; UFIF Address:3581696"}));

    // No: as it is.
    phone.removeFile(18, 9);
    ui.files = {WriteLocal("old.prg", image)};
    ui.conversions = {ConversionAnswer::No};
    EXPECT_TRUE(Run(UploadActionExecute, kBig));
    EXPECT_EQ(phone.file(18, 9), image);

    // Cancel: nothing written, the menu usable again.
    for (Command command : {UploadActionExecute, UploadLZOActionExecute}) {
        phone.calls.clear();
        ui.events.clear();
        state.slotMenuEnabled = false;
        ui.files = {WriteLocal("old.prg", image)};
        ui.conversions = {ConversionAnswer::Cancel};
        EXPECT_TRUE(Run(command, kBig));
        EXPECT_TRUE(phone.calls.empty());
        EXPECT_EQ(ui.events, (Calls{"file:Open1", "status:Uploading data...", "question"}));
        EXPECT_TRUE(state.slotMenuEnabled);
    }
}

TEST_F(UploadFlow, AFirmwareTextWithoutABaseWritesNothing) {
    state.firmware.text = "J7/70 3.10/4";
    for (Command command : {UploadActionExecute, UploadLZOActionExecute}) {
        phone.calls.clear();
        ui.events.clear();
        ui.files = {WriteLocal("old.prg", Ufif20Program())};
        ui.conversions = {ConversionAnswer::Yes};
        EXPECT_FALSE(Run(command, kBig));
        EXPECT_TRUE(phone.calls.empty());
        EXPECT_EQ(ui.events, (Calls{"file:Open1", "status:Uploading data...", "question",
                                    "status:Converting data...",
                                    "error:'J7/70' is not a valid integer value"}));
        EXPECT_TRUE(state.slotMenuEnabled);
    }
}

TEST_F(UploadFlow, AnElfWrappedUfif20ProgramGetsTheQuestion) {
    Bytes elf(160, 0);
    PutWord(elf, 0, 0x464C457F);
    PutWord(elf, 28, 52);
    PutWord(elf, 56, 84);
    PutWord(elf, 84, 0x20000000);
    PutWord(elf, 124, 0x36AC74);
    ui.files = {WriteLocal("elf.prg", elf)};
    ui.conversions = {ConversionAnswer::Yes};
    EXPECT_TRUE(Run(UploadActionExecute, kBig));
    Bytes expected = elf;
    expected[86] = 1;
    PutWord(expected, 124, 0x37061C);
    EXPECT_EQ(phone.file(18, 9), expected);
}

class UploadLzoFlow : public FlowTest {};

// Well compressible: many times the small slot's limit before compression.
Bytes LargeProgram() {
    Bytes image = UfifProgram(0x20010000, "Big", {});
    for (size_t i = 0; i < 30000 - 20; ++i)
        image.push_back(static_cast<uint8_t>(i % 5));
    return image;
}

TEST_F(UploadLzoFlow, WritesTheContainerIntoASlotTooSmallForTheProgram) {
    state.readHeaders = true;
    const Bytes image = LargeProgram();
    const Bytes container = BuildLzoContainer(image);
    ASSERT_LE(container.size(), 2048u);
    ui.files = {WriteLocal("big.prg", WithNops(image, 4))};
    EXPECT_TRUE(Run(UploadLZOActionExecute, kSmall));
    EXPECT_EQ(phone.calls, WriteAndScan("2,12", container.size()));
    EXPECT_EQ(ui.events,
              (Calls{"file:Open1", "status:Uploading data...", "status:Refreshing section 2-12...",
                     "repaint", kOk, "status:Uploaded!"}));
    EXPECT_EQ(phone.file(2, 12), container);
    const SlotRecord& row = state.table[RowForSlot(state.ranges, 2, 12)];
    EXPECT_EQ(row.Kind, SlotKind::Program);
    EXPECT_EQ(row.Compressed, 1);
    EXPECT_EQ(row.UnpackedSize, 30000);
    EXPECT_EQ(row.Size, static_cast<int32_t>(container.size()));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(UploadLzoFlow, RefusesMoreThan65536BytesBeforeCompressing) {
    Bytes image = Filled(65537);
    ui.files = {WriteLocal("f.bin", image)};
    EXPECT_TRUE(Run(UploadLZOActionExecute, kBig));
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_EQ(ui.events, (Calls{"file:Open1", "status:Uploading data...", kTooBig}));

    // 65536 bytes after trimming are compressed and written.
    image.resize(65536);
    ui.files = {WriteLocal("f.bin", WithNops(image, 2))};
    EXPECT_TRUE(Run(UploadLZOActionExecute, kBig));
    EXPECT_EQ(phone.file(18, 9), BuildLzoContainer(image));
}

TEST_F(UploadLzoFlow, TheLimitAppliesToTheContainer) {
    // Random-like data grows when compressed: 2040 bytes no longer fit 2048.
    Bytes image(2040);
    uint32_t x = 12345;
    for (auto& b : image) {
        x = x * 1103515245 + 12345;
        b = static_cast<uint8_t>(x >> 24);
    }
    ASSERT_GT(BuildLzoContainer(image).size(), 2048u);
    ui.files = {WriteLocal("f.bin", image)};
    EXPECT_TRUE(Run(UploadLZOActionExecute, kSmall));
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_EQ(ui.events, (Calls{"file:Open1", "status:Uploading data...", kTooBig}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(UploadLzoFlow, AConvertedProgramIsCompressedWithItsNewTag) {
    state.firmware.text = "0x370000 - J7/70 3.10/4";
    const Bytes image = Ufif20Program();
    Bytes converted = image;
    converted[2] = 1;
    PutWord(converted, 20, 0x37061C);
    ui.files = {WriteLocal("old.prg", image)};
    ui.conversions = {ConversionAnswer::Yes};
    EXPECT_TRUE(Run(UploadLZOActionExecute, kBig));
    const auto written = phone.file(18, 9);
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, BuildLzoContainer(converted));
    EXPECT_EQ(ReadWordLE(*written, 20), 0x20010000u);
    EXPECT_EQ(ui.eventsOf("report"), (Calls{"1"}));
}

TEST_F(UploadLzoFlow, ASizeReadBackThatDiffersIsAnError) {
    phone.writeDropped[{18, 9}] = true;
    ui.files = {WriteLocal("f.bin", LargeProgram())};
    EXPECT_TRUE(Run(UploadLZOActionExecute, kBig));
    EXPECT_EQ(ui.eventsOf("message"), (Calls{kFailed.substr(std::string("message:").size())}));
    EXPECT_EQ(ui.status, "Upload error!");
    EXPECT_TRUE(state.slotMenuEnabled);
}

} // namespace
