#include "PhoneFolderTest.h"

#include "gbp/PhoneCodes.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

using VirtualPhone = PhoneFolderTest;

namespace {

// Fills a buffer with a marker so bytes the phone did not store show.
Bytes Sentinel(size_t length) {
    return Bytes(length, 0xEE);
}

} // namespace

TEST_F(VirtualPhone, SizesAndReadsOfPresentEmptyAndAbsentFiles) {
    const Bytes program = Pattern(300);
    put("18-9", program);
    put("2-18", {});
    const auto& p = phone();
    ASSERT_EQ(p.InitGBPMode(1), 0);

    EXPECT_EQ(p.GetNVMFileSize(18, 9), 300);
    EXPECT_EQ(p.GetNVMFileSize(2, 18), 0);
    EXPECT_EQ(p.GetNVMFileSize(18, 10), gbp::kNoSuchFile);

    struct Case {
        uint8_t section, file;
        int32_t capacity, answer;
    };
    for (const Case c :
         {Case{18, 9, 128, 128}, Case{18, 9, 65536, 300}, Case{18, 9, 300, 300}, Case{18, 9, 0, 0},
          Case{2, 18, 12, 0}, Case{18, 10, 128, gbp::kNoSuchFile}}) {
        SCOPED_TRACE(std::to_string(c.section) + "-" + std::to_string(c.file) + " capacity " +
                     std::to_string(c.capacity));
        Bytes buffer = Sentinel(static_cast<size_t>(c.capacity) + 16);
        ASSERT_EQ(p.ReadNVMFile(c.section, c.file, buffer.data(), c.capacity), c.answer);
        const size_t stored = c.answer > 0 ? static_cast<size_t>(c.answer) : 0;
        EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + static_cast<long>(stored),
                               program.begin()));
        EXPECT_EQ(Bytes(buffer.begin() + static_cast<long>(stored), buffer.end()),
                  Sentinel(buffer.size() - stored));
    }
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(VirtualPhone, AWriteReplacesTheWholeFileByRenaming) {
    put("18-9", Pattern(5000, 1));
    // A second name for the old file: writing in place would change it too.
    fs::create_hard_link(slotPath("18-9"), root / "old");
    const auto& p = phone();
    ASSERT_EQ(p.InitGBPMode(1), 0);

    const Bytes shorter = Pattern(10, 2);
    EXPECT_EQ(p.WriteNVMFile(18, 9, shorter.data(), 10), 10);
    EXPECT_EQ(p.GetNVMFileSize(18, 9), 10);
    EXPECT_EQ(contents("18-9"), shorter);
    EXPECT_EQ(fs::file_size(root / "old"), 5000u);

    EXPECT_EQ(p.WriteNVMFile(2, 14, shorter.data(), 0), 0);
    EXPECT_EQ(p.GetNVMFileSize(2, 14), 0);

    // Only slot files are left behind, no temporary ones.
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(com1 / "nvm"))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"18-9", "2-14"}));
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(VirtualPhone, AWriteCreatesAMissingNvmFolder) {
    fs::remove(com1 / "nvm");
    const auto& p = phone();
    ASSERT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.GetNVMFileSize(18, 9), gbp::kNoSuchFile);
    const Bytes bytes = Pattern(12);
    EXPECT_EQ(p.WriteNVMFile(2, 18, bytes.data(), 12), 12);
    EXPECT_EQ(contents("2-18"), bytes);
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(VirtualPhone, ClearRemovesTheFile) {
    put("18-9", Pattern(100));
    const auto& p = phone();
    ASSERT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.ClearNVMFile(18, 9), 0);
    EXPECT_EQ(p.GetNVMFileSize(18, 9), gbp::kNoSuchFile);
    EXPECT_FALSE(fs::exists(slotPath("18-9")));
    EXPECT_EQ(p.ClearNVMFile(18, 9), gbp::kNoSuchFile);
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(VirtualPhone, BadArgumentsAreRefusedAndChangeNothing) {
    put("18-9", Pattern(100));
    const auto& p = phone();
    ASSERT_EQ(p.InitGBPMode(1), 0);
    uint8_t byte = 0;
    EXPECT_EQ(p.ReadNVMFile(18, 9, &byte, -1), gbp::kBadArgument);
    EXPECT_EQ(p.ReadNVMFile(18, 9, nullptr, 10), gbp::kBadArgument);
    EXPECT_EQ(p.WriteNVMFile(18, 9, &byte, -1), gbp::kBadArgument);
    EXPECT_EQ(p.WriteNVMFile(18, 9, nullptr, 10), gbp::kBadArgument);
    EXPECT_EQ(contents("18-9"), Pattern(100));
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(VirtualPhone, CallsOutsideASessionAreRefusedAndChangeNothing) {
    put("18-9", Pattern(100));
    const auto& p = phone();
    auto expectRefused = [&] {
        Bytes buffer = Sentinel(128);
        const Bytes bytes = Pattern(20, 9);
        EXPECT_EQ(p.GetNVMFileSize(18, 9), gbp::kNoSession);
        EXPECT_EQ(p.ReadNVMFile(18, 9, buffer.data(), 128), gbp::kNoSession);
        EXPECT_EQ(buffer, Sentinel(128));
        EXPECT_EQ(p.WriteNVMFile(18, 9, bytes.data(), 20), gbp::kNoSession);
        EXPECT_EQ(p.WriteNVMFile(18, 10, bytes.data(), 20), gbp::kNoSession);
        EXPECT_EQ(p.ClearNVMFile(18, 9), gbp::kNoSession);
        EXPECT_EQ(p.EndGBPMode(), gbp::kNoSession);
        EXPECT_EQ(contents("18-9"), Pattern(100));
        EXPECT_FALSE(fs::exists(slotPath("18-10")));
    };
    {
        SCOPED_TRACE("before the first session");
        expectRefused();
    }
    ASSERT_EQ(p.InitGBPMode(1), 0);
    ASSERT_EQ(p.EndGBPMode(), 0);
    {
        SCOPED_TRACE("after the session ended");
        expectRefused();
    }
}

TEST_F(VirtualPhone, OnlyPortsWithAFolderAnswer) {
    const auto& p = phone();
    fs::create_directory(root / "COM4");
    fs::create_directory(root / "COM5");
    std::ofstream(root / "COM3") << "not a folder";
    for (int port : {0, 2, 3, 5, -1}) {
        SCOPED_TRACE(port);
        EXPECT_EQ(p.InitGBPMode(port), gbp::kNoPhone);
        EXPECT_EQ(p.GetNVMFileSize(18, 9), gbp::kNoSession);
    }
    ASSERT_EQ(p.InitGBPMode(4), 0);
    EXPECT_EQ(p.EndGBPMode(), 0);
    ASSERT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(VirtualPhone, TheRootFolderFollowsTheEnvironment) {
    const char* home = getenv("HOME");
    const std::string savedHome = home ? home : "";
    const auto& p = phone();
    struct Case {
        const char* label;
        const char* phoneDir;
        std::string xdg;
        fs::path expectedRoot;
    };
    const fs::path xdgRoot = root / "xdg" / "adeduze" / "phone";
    const fs::path homeRoot = root / "home" / ".local" / "share" / "adeduze" / "phone";
    const Case cases[] = {
        {"GBP_PHONE_DIR first", "set", (root / "xdg").string(), root},
        {"then XDG_DATA_HOME", nullptr, (root / "xdg").string(), xdgRoot},
        {"empty GBP_PHONE_DIR counts as unset", "", (root / "xdg").string(), xdgRoot},
        {"a relative XDG_DATA_HOME is ignored", nullptr, "xdg", homeRoot},
        {"then HOME", nullptr, "", homeRoot},
    };
    setenv("HOME", (root / "home").c_str(), 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fs::create_directories(c.expectedRoot / "COM2");
        if (!c.phoneDir)
            unsetenv("GBP_PHONE_DIR");
        else
            setenv("GBP_PHONE_DIR", *c.phoneDir ? root.c_str() : "", 1);
        setenv("XDG_DATA_HOME", c.xdg.c_str(), 1);
        ASSERT_EQ(p.InitGBPMode(2), 0);
        EXPECT_EQ(p.EndGBPMode(), 0);
        fs::remove_all(c.expectedRoot / "COM2");
        EXPECT_EQ(p.InitGBPMode(2), gbp::kNoPhone);
    }
    setenv("HOME", savedHome.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
}

// The child opens a session on COM1 and holds it until the parent writes to
// `release`; it reports its InitGBPMode answer through `opened`. With
// `endSession` false it exits without EndGBPMode, as a killed process would.
static pid_t HoldSessionInChild(const PhoneLink& p, int opened[2], int release[2],
                                bool endSession) {
    const pid_t child = fork();
    if (child == 0) {
        const int32_t answer = p.InitGBPMode(1);
        (void)!write(opened[1], &answer, sizeof answer);
        char go = 0;
        (void)!read(release[0], &go, 1);
        if (endSession)
            p.EndGBPMode();
        _exit(0);
    }
    return child;
}

TEST_F(VirtualPhone, ASessionIsExclusiveAcrossProcesses) {
    fs::create_directory(root / "COM2");
    const auto& p = phone();
    for (bool endSession : {true, false}) {
        SCOPED_TRACE(endSession ? "the child ends its session"
                                : "the child exits without ending it");
        int opened[2], release[2];
        ASSERT_EQ(pipe(opened), 0);
        ASSERT_EQ(pipe(release), 0);
        const pid_t child = HoldSessionInChild(p, opened, release, endSession);
        ASSERT_GT(child, 0);
        int32_t childAnswer = -100;
        ASSERT_EQ(read(opened[0], &childAnswer, sizeof childAnswer),
                  static_cast<ssize_t>(sizeof childAnswer));
        EXPECT_EQ(childAnswer, 0);

        EXPECT_EQ(p.InitGBPMode(1), gbp::kBusy);
        EXPECT_EQ(p.GetNVMFileSize(18, 9), gbp::kNoSession);
        // Another port is another phone.
        ASSERT_EQ(p.InitGBPMode(2), 0);
        EXPECT_EQ(p.EndGBPMode(), 0);

        ASSERT_EQ(write(release[1], "x", 1), 1);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        for (int fd : {opened[0], opened[1], release[0], release[1]})
            close(fd);

        ASSERT_EQ(p.InitGBPMode(1), 0);
        EXPECT_EQ(p.EndGBPMode(), 0);
    }
}

TEST_F(VirtualPhone, ASecondSessionInTheSameProcessIsRefused) {
    const auto& p = phone();
    ASSERT_EQ(p.InitGBPMode(1), 0);
    EXPECT_EQ(p.InitGBPMode(1), gbp::kBusy);
    // The first session is still open and usable.
    EXPECT_EQ(p.GetNVMFileSize(18, 9), gbp::kNoSuchFile);
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(VirtualPhone, AWriteThatDoesNotFitTheCapacityStoresNothing) {
    writeIni("capacity = 1000\n");
    put("18-9", Pattern(600, 1));
    const auto& p = phone();
    ASSERT_EQ(p.InitGBPMode(1), 0);
    const Bytes big = Pattern(601, 2);

    EXPECT_EQ(p.WriteNVMFile(18, 10, big.data(), 401), gbp::kOutOfMemory);
    EXPECT_EQ(p.GetNVMFileSize(18, 10), gbp::kNoSuchFile);
    EXPECT_EQ(p.WriteNVMFile(18, 10, big.data(), 400), 400);
    EXPECT_EQ(p.WriteNVMFile(18, 9, big.data(), 601), gbp::kOutOfMemory);
    EXPECT_EQ(contents("18-9"), Pattern(600, 1));
    // Replacing a file counts its new length, not old and new together.
    EXPECT_EQ(p.WriteNVMFile(18, 9, big.data(), 600), 600);
    EXPECT_EQ(contents("18-9"), Bytes(big.begin(), big.begin() + 600));
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(VirtualPhone, TheDefaultCapacityIsOneMebibyte) {
    const auto& p = phone();
    ASSERT_EQ(p.InitGBPMode(1), 0);
    const Bytes half = Pattern(512 * 1024);
    EXPECT_EQ(p.WriteNVMFile(18, 9, half.data(), static_cast<int32_t>(half.size())), 512 * 1024);
    EXPECT_EQ(p.WriteNVMFile(18, 10, half.data(), static_cast<int32_t>(half.size())), 512 * 1024);
    EXPECT_EQ(p.WriteNVMFile(18, 11, half.data(), 1), gbp::kOutOfMemory);
    EXPECT_EQ(p.GetNVMFileSize(18, 11), gbp::kNoSuchFile);
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(VirtualPhone, TheBaudRateSlowsEachCall) {
    // 3000 bytes plus a 16-byte frame at 100000 baud, 10 bits a byte: 0.30 s.
    writeIni("baud = 100000\n");
    put("18-9", Pattern(3000));
    const auto& p = phone();
    ASSERT_EQ(p.InitGBPMode(1), 0);
    Bytes buffer(65536);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(p.ReadNVMFile(18, 9, buffer.data(), 65536), 3000);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::microseconds(301'600));
    EXPECT_EQ(p.EndGBPMode(), 0);
}

TEST_F(VirtualPhone, ARelativeRootStaysWhereItWasWhenTheWorkingFolderChanges) {
    const fs::path start = fs::current_path();
    setenv("GBP_PHONE_DIR", fs::relative(root, start).c_str(), 1);
    fs::create_directories(root / "elsewhere");
    fs::current_path(root / "elsewhere");
    const int32_t answer = phone().InitGBPMode(1);
    fs::current_path(start);
    ASSERT_EQ(answer, 0);
    EXPECT_EQ(phone().EndGBPMode(), 0);
}
