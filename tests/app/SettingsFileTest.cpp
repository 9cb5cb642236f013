#include "app/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::string readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll().toStdString();
}

TEST(SettingsFile, PathReplacesTheExtensionOfTheExecutable) {
    const struct {
        const char* executable;
        const char* settings;
    } cases[] = {
        {"/opt/adeduze/bin/adeduze", "/opt/adeduze/bin/adeduze.INI"},
        {"/opt/adeduze/bin/adeduze.exe", "/opt/adeduze/bin/adeduze.INI"},
        {"/opt/v1.8/adeduze", "/opt/v1.8/adeduze.INI"},
        {"/opt/bin/adeduze.old.bin", "/opt/bin/adeduze.old.INI"},
        {"adeduze", "adeduze.INI"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettingsPathFor(c.executable), c.settings) << c.executable;
}

TEST(SettingsFile, ValuesAsTheFileHoldsThem) {
    const StoredSettings d;
    const struct {
        const char* what;
        const char* text;
        StoredSettings expected;
    } cases[] = {
        {"empty file", "", d},
        {"decimal", "[Form]\nTop=5\nLeft=-7\n", {{5, -7, 330, 420}, 0, {}, 0}},
        {"hexadecimal after 0x",
         "[Manager]\nCOM-Port=0x2\nFirstBig=0X0a\nUFIFFW=0x6\n",
         {{}, 2, {10, 21, 10, 5}, 6}},
        {"junk gives the default",
         "[Form]\nTop=abc\nLeft=12px\nWidth=\nHeight=0x\n[Manager]\nCOM-Port=1 2\nUFIFFW=--1\n", d},
        {"a value out of 32 bits gives the default", "[Form]\nTop=4294967296\n", d},
        {"blanks and case do not matter",
         " [ form ] \r\n  TOP =  7 \r\n[MANAGER]\r\ncom-port=3\r\n",
         {{7, 240, 330, 420}, 3, {}, 0}},
        {"a key of another section is not read", "[Manager]\nTop=99\n[Form]\nCOM-Port=3\n", d},
        {"the first occurrence counts",
         "[Form]\nTop=1\nTop=2\n[Form]\nTop=3\n",
         {{1, 240, 330, 420}, 0, {}, 0}},
        {"lines without a key", "[Form]\n; Top=3\nTop\n=4\n", d},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseSettingsText(c.text), c.expected) << c.what;
}

TEST(SettingsFile, RangesThatCannotIndexTheTableFallBackPairwise) {
    const struct {
        const char* what;
        const char* manager;
        RangeSettings expected;
    } cases[] = {
        {"negative count", "BigSlots=-1\nFirstSmall=3", {9, 21, 3, 5}},
        {"first small beyond a file number", "FirstBig=40\nFirstSmall=300", {40, 21, 10, 5}},
        {"last file beyond 255", "FirstBig=250\nBigSlots=7\nSmallSlots=6", {9, 21, 10, 6}},
        {"too many rows together: small pair first", "BigSlots=90\nSmallSlots=20", {9, 90, 10, 5}},
        {"still too many: big pair as well",
         "BigSlots=97\nFirstSmall=3\nSmallSlots=30",
         {9, 21, 10, 5}},
        {"99 rows fit", "BigSlots=98\nSmallSlots=1", {9, 98, 10, 1}},
        {"empty ranges fit", "BigSlots=0\nSmallSlots=0", {9, 0, 10, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseSettingsText(std::string("[Manager]\n") + c.manager).ranges, c.expected)
            << c.what;
}

TEST(SettingsFile, EveryKeyRoundTripsThroughTheFile) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("adeduze.INI").toStdString();
    const StoredSettings stored{{-3, 1024, 640, 0x7FFFFFFF}, 3, {0, 99, 0, 0}, -1};
    ASSERT_TRUE(WriteSettingsFile(path, stored));
    EXPECT_EQ(ReadSettingsFile(path), stored);
}

TEST(SettingsFile, FileTextAfterASave) {
    QTemporaryDir dir;
    const QString path = dir.filePath("adeduze.INI");
    ASSERT_TRUE(WriteSettingsFile(path.toStdString(), {{20, 240, 330, 420}, 1, {10, 3, 10, 5}, 4}));
    EXPECT_EQ(readAll(path), "[Form]\n"
                             "Top=20\n"
                             "Left=240\n"
                             "Width=330\n"
                             "Height=420\n"
                             "\n"
                             "[Manager]\n"
                             "COM-Port=1\n"
                             "FirstBig=10\n"
                             "BigSlots=3\n"
                             "FirstSmall=10\n"
                             "SmallSlots=5\n"
                             "UFIFFW=4\n");
}

TEST(SettingsFile, WhatIsNoReadableFileGivesTheDefaults) {
    QTemporaryDir dir;
    EXPECT_EQ(ReadSettingsFile(dir.filePath("missing.INI").toStdString()), StoredSettings{});
    EXPECT_EQ(ReadSettingsFile(dir.path().toStdString()), StoredSettings{}); // a folder
}

TEST(SettingsFile, AFileThatCannotBeWrittenIsReportedAndLeftAlone) {
    QTemporaryDir dir;
    const QString blocker = dir.filePath("plain-file");
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep");
    }
    // A path below a regular file cannot be created, not even by root.
    EXPECT_FALSE(WriteSettingsFile((blocker + "/adeduze.INI").toStdString(), {}));
    EXPECT_EQ(readAll(blocker), "keep");
}

} // namespace
