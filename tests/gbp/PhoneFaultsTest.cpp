#include "PhoneFolderTest.h"

#include "gbp/PhoneCodes.h"

#include <fstream>
#include <limits>

namespace fs = std::filesystem;

using PhoneFaults = PhoneFolderTest;

TEST_F(PhoneFaults, InitFaultsPickEveryOrTheNthOpenOfThePhone) {
    const auto& p = phone();
    writeIni("[faults]\nInitGBPMode#2 = -1\nInitGBPMode#4 = 0\n");
    ASSERT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.EndGBPMode(), 0);
    EXPECT_EQ(p.InitGBPMode(1), -1);
    EXPECT_EQ(p.GetNVMFileSize(18, 9), gbp::kNoSession);
    ASSERT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.EndGBPMode(), 0);
    // A faulted open answers as told, even 0, and opens nothing.
    EXPECT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.GetNVMFileSize(18, 9), gbp::kNoSession);
    ASSERT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.EndGBPMode(), 0);

    writeIni("[faults]\nInitGBPMode = -1\nInitGBPMode#7 = 1\n");
    EXPECT_EQ(p.InitGBPMode(1), -1);
    EXPECT_EQ(p.InitGBPMode(1), 1);
    EXPECT_EQ(p.InitGBPMode(1), -1);
}

TEST_F(PhoneFaults, SlotFaultsHitOnlyTheirCallAndSlot) {
    const auto& p = phone();
    put("18-9", Pattern(300, 1));
    put("18-10", Pattern(300, 2));
    writeIni("[faults]\n"
             "GetNVMFileSize 18-9 = -12\n"
             "ReadNVMFile 18-10#2 = -2147483648\n"
             "WriteNVMFile 18-9 = 0\n"
             "ClearNVMFile 18-10 = -3\n"
             "EndGBPMode#1 = -7\n");
    ASSERT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.GetNVMFileSize(18, 9), -12);
    EXPECT_EQ(p.GetNVMFileSize(18, 10), 300);

    Bytes buffer(128);
    EXPECT_EQ(p.ReadNVMFile(18, 9, buffer.data(), 128), 128);
    EXPECT_EQ(p.ReadNVMFile(18, 10, buffer.data(), 128), 128);
    buffer.assign(128, 0xEE);
    EXPECT_EQ(p.ReadNVMFile(18, 10, buffer.data(), 128), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(buffer, Bytes(128, 0xEE));
    EXPECT_EQ(p.ReadNVMFile(18, 10, buffer.data(), 128), 128);

    // A faulted write or clear stores nothing.
    const Bytes bytes = Pattern(50, 3);
    EXPECT_EQ(p.WriteNVMFile(18, 9, bytes.data(), 50), 0);
    EXPECT_EQ(contents("18-9"), Pattern(300, 1));
    EXPECT_EQ(p.ClearNVMFile(18, 10), -3);
    EXPECT_EQ(contents("18-10"), Pattern(300, 2));
    EXPECT_EQ(p.WriteNVMFile(18, 11, bytes.data(), 50), 50);
    EXPECT_EQ(p.ClearNVMFile(18, 11), 0);

    // The faulted end still ends the session.
    EXPECT_EQ(p.EndGBPMode(), -7);
    EXPECT_EQ(p.GetNVMFileSize(18, 10), gbp::kNoSession);
    ASSERT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(PhoneFaults, ACountingFaultAnswersItsCountButStoresAtMostTheCapacity) {
    const auto& p = phone();
    put("18-9", Pattern(300));
    put("2-18", Pattern(12));
    writeIni("[faults]\nReadNVMFile 18-9 = 2147483647\nGetNVMFileSize 2-18 = "
             "2147483647\nReadNVMFile 2-18 = 5\n");
    ASSERT_EQ(p.InitGBPMode(1), 0);
    Bytes buffer(128 + 16, 0xEE);
    EXPECT_EQ(p.ReadNVMFile(18, 9, buffer.data(), 128), std::numeric_limits<int32_t>::max());
    const Bytes program = Pattern(300);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 128),
              Bytes(program.begin(), program.begin() + 128));
    EXPECT_EQ(Bytes(buffer.begin() + 128, buffer.end()), Bytes(16, 0xEE));

    EXPECT_EQ(p.GetNVMFileSize(2, 18), std::numeric_limits<int32_t>::max());
    Bytes record(12);
    EXPECT_EQ(p.ReadNVMFile(2, 18, record.data(), 12), 5);
    EXPECT_EQ(record, Pattern(12));
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(PhoneFaults, CallsAreCountedPerPhoneAcrossSessions) {
    const auto& p = phone();
    fs::create_directories(root / "COM2");
    std::ofstream(root / "COM2" / "phone.ini") << "[faults]\nInitGBPMode#2 = -9\n";
    writeIni("[faults]\nInitGBPMode#2 = -8\nGetNVMFileSize 18-9#3 = -12\n");

    ASSERT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.GetNVMFileSize(18, 9), gbp::kNoSuchFile);
    EXPECT_EQ(p.GetNVMFileSize(18, 9), gbp::kNoSuchFile);
    EXPECT_EQ(p.EndGBPMode(), 0);
    ASSERT_EQ(p.InitGBPMode(2), 0);
    EXPECT_EQ(p.EndGBPMode(), 0);
    EXPECT_EQ(p.InitGBPMode(1), -8);
    EXPECT_EQ(p.InitGBPMode(2), -9);
    ASSERT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.GetNVMFileSize(18, 9), -12);
    EXPECT_EQ(p.GetNVMFileSize(18, 9), gbp::kNoSuchFile);
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(PhoneFaults, AMalformedPhoneIniKeepsThePhoneFromAnswering) {
    const auto& p = phone();
    const char* malformed[] = {
        "capacity = abc\n",
        "capacity = -1\n",
        "capacity =\n",
        "baud = 1e3\n",
        "baud = 4294967296\n",
        "capacity = 10\ncapacity = 20\n",
        "just some words\n",
        "[faults\n",
        "= 5\n",
        "[faults]\nReadNVMFile = -1\n",
        "[faults]\nReadNVMFile 18 = -1\n",
        "[faults]\nReadNVMFile 18-256 = -1\n",
        "[faults]\nReadNVMFile 18-9 #2 = -1\n",
        "[faults]\nReadNVMFile 18-9#0 = -1\n",
        "[faults]\nInitGBPMode 18-9 = -1\n",
        "[faults]\nInitGBPMode#x = -1\n",
        "[faults]\nReadNVMFile 18-9 = 2147483648\n",
        "[faults]\nReadNVMFile 18-9 = -2147483649\n",
        "[faults]\nReadNVMFile 18-9 = -12 ; note\n",
        "[faults]\nReadNVMFile 18-9 = 0x10\n",
        "[faults]\nReadNVMFile 18-9 = -1\nReadNVMFile 18-09 = -2\n",
    };
    for (const char* text : malformed) {
        SCOPED_TRACE(text);
        writeIni(text);
        EXPECT_EQ(p.InitGBPMode(1), gbp::kBadConfig);
        EXPECT_EQ(p.GetNVMFileSize(18, 9), gbp::kNoSession);
    }
    fs::remove(com1 / "phone.ini");
    fs::create_directory(com1 / "phone.ini");
    EXPECT_EQ(p.InitGBPMode(1), gbp::kBadConfig);
}

TEST_F(PhoneFaults, UnknownKeysCommentsAndLineEndingsAreAccepted) {
    const auto& p = phone();
    writeIni("\xEF\xBB\xBF; written by hand\r\n"
             "# another comment\r\n"
             "colour = blue\r\n"
             "  capacity\t=  2000  \r\n"
             "\r\n"
             "[display]\r\n"
             "capacity = nonsense\r\n"
             "[faults]\r\n"
             "SendSms 18-9 = 1\r\n"
             "GetNVMFileSize   18-09#1 = +4\r\n"
             "GetNVMFileSize 18-9 = -12");
    ASSERT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.GetNVMFileSize(18, 9), 4);
    EXPECT_EQ(p.GetNVMFileSize(18, 9), -12);
    const Bytes bytes = Pattern(2001);
    EXPECT_EQ(p.WriteNVMFile(18, 10, bytes.data(), 2001), gbp::kOutOfMemory);
    EXPECT_EQ(p.EndGBPMode(), 0);
}
