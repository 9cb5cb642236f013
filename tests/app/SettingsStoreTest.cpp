#include "app/SettingsStore.h"

#include "common/AppState.h"
#include "tests/support/ScriptedUi.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SettingsStore, ApplyingTheSettingsSetsTheSharedState) {
    const auto entries = DefaultFirmwareChoice().entries;
    const struct {
        const char* what;
        int32_t comPort;
        int32_t ufifFw;
        int expectedPort;
        int expectedFirmware;
        std::string expectedText;
    } cases[] = {
        {"defaults", 0, 0, 0, 0, entries[0]},
        {"last port and entry", 3, 6, 3, 6, entries[6]},
        {"port above the list", 4, 1, -1, 1, entries[1]},
        {"negative port", -1, 1, -1, 1, entries[1]},
        {"firmware beyond the list", 2, 7, 2, -1, ""},
        {"no firmware chosen", 2, -1, 2, -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AppState state;
        state.table[3].Name = "Game";
        StoredSettings stored;
        stored.comPort = c.comPort;
        stored.ufifFw = c.ufifFw;
        stored.ranges = {10, 3, 12, 2};
        ApplySettings(state, stored);
        EXPECT_EQ(state.portIndex, c.expectedPort);
        EXPECT_EQ(state.firmware.index, c.expectedFirmware);
        EXPECT_EQ(state.firmware.text, c.expectedText);
        EXPECT_EQ(state.firmware.entries, entries);
        EXPECT_EQ(state.ranges, (RangeSettings{10, 3, 12, 2}));
        EXPECT_EQ(state.table[3], SlotRecord{});
    }
}

TEST(SettingsStore, CapturedSettingsAreTheWindowsAndTheState) {
    AppState state;
    state.portIndex = 2;
    state.ranges = {11, 4, 3, 2};
    state.firmware.index = 5;
    EXPECT_EQ(CaptureSettings(state, {1, 2, 3, 4}),
              (StoredSettings{{1, 2, 3, 4}, 2, {11, 4, 3, 2}, 5}));
}

TEST(SettingsStore, NoFileGivesTheDefaultsAndASaveCreatesIt) {
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore store(dir.filePath("adeduze.INI").toStdString());
    EXPECT_EQ(store.load(), StoredSettings{});
    StoredSettings changed;
    changed.ranges.BigSlots = 3;
    EXPECT_TRUE(store.save(changed, ui));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(store.path())));
    EXPECT_EQ(store.load(), changed);
    EXPECT_TRUE(ui.events.empty());
}

TEST(SettingsStore, AFileThatCannotBeWrittenIsReportedOnceAndTheValuesStay) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const std::string path = (blocker.fileName() + "/adeduze.INI").toStdString();
    ScriptedUi ui;
    SettingsStore store(path);

    StoredSettings first;
    first.ranges = {10, 3, 10, 5};
    EXPECT_FALSE(store.save(first, ui));
    // The Options dialog's OK is followed by a load: what was chosen must still count.
    EXPECT_EQ(store.load(), first);
    StoredSettings second = first;
    second.comPort = 2;
    EXPECT_FALSE(store.save(second, ui));
    EXPECT_EQ(store.load(), second);
    EXPECT_EQ(ui.events,
              std::vector<std::string>{"message:ERROR:Cannot save the settings to " + path});
}

} // namespace
