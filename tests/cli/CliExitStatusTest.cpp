// How adeduze-cli ends: usage errors, a missing phone link library, the
// settings it reads, and the failures the virtual phone can be told to make.
#include "CliProcess.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const char* const kCommands[] = {"list",     "refresh", "upload", "download",   "clear",
                                 "convert",  "gif",     "prefs",  "prefs-set",  "ufif2-lib",
                                 "prg3-lib", "total18", "merge",  "nvm-upload", "nvm-clear"};

TEST(CliUsage, BadArgumentsExitWith2AndPrintNoData) {
    CliSandbox box;
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"refresh"},
        {"refresh", "19-9"},
        {"refresh", "18-256"},
        {"refresh", "18"},
        {"refresh", "18-x"},
        {"refresh", "+18-9"},
        {"refresh", "18-9", "extra"},
        {"upload", "18-9"},
        {"upload", "18-9", "f", "--convert", "--no-convert"},
        {"upload", "18-9", "f", "--firmware", "7"},
        {"convert", "18-9", "--firmware", "J7"},
        {"-p", "5", "list"},
        {"--port", "0", "list"},
        {"-s", "/nonexistent/adeduze.INI", "list"},
        {"prefs-set", "--menu", "some"},
        {"prefs-set", "--autorun", "on"},
        {"prefs-set", "--library", "2"},
        {"list", "--lzo"},
    };
    for (const auto& args : cases) {
        const auto r = box.run(args);
        std::string line;
        for (const auto& a : args)
            line += a + " ";
        EXPECT_EQ(r.status, 2) << line << r.err;
        EXPECT_EQ(r.out, "") << line;
        EXPECT_FALSE(r.err.empty()) << line;
    }
}

TEST(CliUsage, HelpIsAManualListingEveryCommand) {
    CliSandbox box;
    const auto r = box.run({"--help"});
    EXPECT_EQ(r.status, 0);
    const std::string manual = "\n" + r.out;
    for (const char* section : {"NAME", "SYNOPSIS", "COMMANDS", "EXIT STATUS"})
        EXPECT_NE(manual.find(std::string("\n") + section + "\n"), std::string::npos) << section;
    for (const char* command : kCommands) {
        const std::string entry = std::string("\n    ") + command;
        EXPECT_TRUE(manual.find(entry + "\n") != std::string::npos ||
                    manual.find(entry + " ") != std::string::npos)
            << command;
    }

    EXPECT_EQ(box.run({"--version"}).out, "adeduze-cli 1.8\n");
    EXPECT_EQ(box.run({"upload", "--help"}).status, 0);
}

TEST(CliLibrary, AnUnloadableLibraryEndsWith3) {
    CliSandbox box;
    WriteBytes(box.root() / "fake" / "libgbp.so", {}); // found first, but no library
    const auto r = box.run({"list"}, {{"LD_LIBRARY_PATH", (box.root() / "fake").string()}});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "ERROR: Unable to open GPB.DLL\n");
    EXPECT_EQ(r.out, "");
}

// Installed together, adeduze-cli reads the window's adeduze.INI beside it:
// its ranges and its port (COM2 here, where the only phone is).
TEST(CliSettings, TheSettingsBesideTheProgramAreReadAndKept) {
    CliSandbox box;
    const fs::path bin = box.root() / "bin";
    fs::create_directories(bin);
    fs::copy_file(CliProgram(), bin / "adeduze-cli");
    fs::copy_file(CliProgram().parent_path() / "libgbp.so", bin / "libgbp.so");
    const std::string ini = "[Manager]\nCOM-Port=1\nFirstBig=20\nBigSlots=1\nSmallSlots=0\n";
    WriteText(bin / "adeduze.INI", ini);
    fs::rename(box.phoneRoot() / "COM1", box.phoneRoot() / "COM2");
    WriteBytes(box.phoneRoot() / "COM2" / "nvm" / "18-20", Bytes(9, 0x55));

    auto r = box.run({"list"}, {}, bin / "adeduze-cli", false);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1. {18-20}  < Data >  9\n");

    r = box.run({"-p", "1", "list"}, {}, bin / "adeduze-cli", false);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "ERROR: Can't Init GPB Mode\n");
    EXPECT_EQ(r.out, "");

    EXPECT_EQ(ReadBytes(bin / "adeduze.INI"), Bytes(ini.begin(), ini.end()));
}

TEST(CliFailures, PhoneFaultsAndFileErrorsExitWith1) {
    struct Case {
        std::string phoneIni;
        std::vector<std::string> args;
        std::string errLine; // a line stderr must hold
        std::string out;
    };
    const std::vector<Case> cases = {
        {"[faults]\nInitGBPMode = -2\n", {"list"}, "ERROR: Can't Init GPB Mode", ""},
        {"[faults]\nReadNVMFile 18-10 = -8\n",
         {"list"},
         "ERROR: Error reading section 18-10",
         // The big run stops at the failed slot; the small run still goes on.
         "1. {18-9}  < Data >  3\n2. {18-10}    0\n3. {18-11}    0\n1. {2-10}  < Empty >  0\n"},
        {"[faults]\nGetNVMFileSize 18-9 = -8\n",
         {"refresh", "18-9"},
         "ERROR: Error getting section 18-9 size",
         ""},
        {"[faults]\nWriteNVMFile 18-9 = -7\n",
         {"upload", "18-9", "f.bin"},
         "ERROR: Section uploaded with error or out of memory!",
         ""},
        {"[faults]\nInitGBPMode#2 = -2\n",
         {"upload", "18-9", "f.bin"},
         "ERROR: Can't Init GPB Mode",
         ""},
        {"[faults]\nReadNVMFile 18-9 = -8\n",
         {"download", "18-9", "out.bin"},
         "ERROR: Error reading section 18-9",
         ""},
        {"[faults]\nReadNVMFile 2-18 = -8\n", {"prefs"}, "ERROR: Error reading section 2-18", ""},
        {"", {"upload", "18-9", "missing.bin"}, "ERROR: Cannot open file missing.bin", ""},
        {"", {"upload", "2-10", "big.bin"}, "ERROR: Can't uplod - file too big!", ""},
        {"",
         {"download", "18-9", "no/such/dir/out.bin"},
         "ERROR: Cannot create file no/such/dir/out.bin",
         ""},
    };
    for (const auto& c : cases) {
        CliSandbox box;
        WriteText(box.settings(),
                  "[Manager]\nFirstBig=9\nBigSlots=3\nFirstSmall=10\nSmallSlots=1\n");
        box.setSlot(18, 9, Bytes{1, 2, 3});
        box.setSlot(18, 10, Bytes{4, 5, 6});
        box.setSlot(2, 18, Bytes{'Z', 'U', 'V', '2', 3, 0, 0, 0, 0, 0, 0, 0});
        WriteBytes(box.work() / "f.bin", Bytes(32, 0x77));
        WriteBytes(box.work() / "big.bin", Bytes(2049, 0x77));
        box.setPhoneIni(c.phoneIni);
        const auto r = box.run(c.args);
        EXPECT_EQ(r.status, 1) << c.args[0] << ' ' << r.err;
        EXPECT_NE(r.err.find(c.errLine + "\n"), std::string::npos) << c.args[0] << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[0];
    }
}

// A failure ends nothing it should not have touched: the record is not
// rewritten when it could not be read first.
TEST(CliFailures, PrefsSetWritesNothingWhenTheReadFails) {
    CliSandbox box;
    const Bytes record{'Z', 'U', 'V', '2', 7, 0, 12, 2, 9, 18, 0, 0};
    box.setSlot(2, 18, record);
    box.setPhoneIni("[faults]\nReadNVMFile 2-18 = -8\n");
    EXPECT_EQ(box.run({"prefs-set", "--menu", "all"}).status, 1);
    EXPECT_EQ(box.slot(2, 18), record);
}

} // namespace
