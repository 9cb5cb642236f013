// A phone link that breaks its contract: counts larger than the capacity it
// was given, absurd sizes, error codes nobody knows, sessions that fail on the
// second open or are claimed without being opened. Every command runs against
// each through the real loader and must end in an orderly way.
#include "CommandTable.h"
#include "E2eRun.h"

#include <gtest/gtest.h>

#include <iostream>
#include <set>
#include <sstream>
#include <string_view>

namespace {

// Every slot the commands of the table touch.
std::vector<std::string> TouchedSlots() {
    std::vector<std::string> slots = {"2-12", "2-16", "2-17", "2-18", "17-19"};
    for (int file = 0; file < 32; ++file)
        slots.push_back("18-" + std::to_string(file));
    return slots;
}

std::string OnEverySlot(const std::string& call, const std::string& answer) {
    std::string text = "[faults]\n";
    for (const auto& slot : TouchedSlots())
        text += call + " " + slot + " = " + answer + "\n";
    return text;
}

struct Misbehaviour {
    std::string name;
    std::string phoneIni;
    // The commands that end as a success against it: those that never make
    // the call that misbehaves, or that by design ignore its answer. Every
    // other command must end with status 1 and an error message.
    std::set<std::string> succeeding;
};

const std::set<std::string> kNoPhone = {"merge"};

std::set<std::string> With(std::set<std::string> names) {
    names.insert(kNoPhone.begin(), kNoPhone.end());
    return names;
}

std::set<std::string> AllBut(const std::set<std::string>& failing) {
    std::set<std::string> names;
    for (const CommandCase& command : AllCommands())
        if (!failing.contains(command.name))
            names.insert(command.name);
    return names;
}

const std::set<std::string> kUploads = {"upload",    "upload-lzo-convert", "convert",   "prefs-set",
                                        "ufif2-lib", "prg3-lib",           "nvm-upload"};

std::vector<Misbehaviour> Misbehaviours() {
    std::set<std::string> sizeCommands = kUploads;
    sizeCommands.insert({"list", "refresh", "clear"});
    std::set<std::string> readCommands = {"list",      "refresh",  "upload", "upload-lzo-convert",
                                          "download",  "convert",  "gif",    "prefs",
                                          "prefs-set", "ufif2-lib"};
    std::set<std::string> sessionTwice = kUploads;
    std::set<std::string> writesFailing = kUploads;
    std::set<std::string> hugeSize = kUploads;
    hugeSize.insert("clear"); // the rescan after the erase finds no header to read

    return {
        // Counts above the capacity are clamped to it: nothing to see.
        {"read count 2147483647", OnEverySlot("ReadNVMFile", "2147483647"), AllBut({})},
        {"read count 65537", OnEverySlot("ReadNVMFile", "65537"), AllBut({})},
        {"size 0x7FFFFFFF", OnEverySlot("GetNVMFileSize", "2147483647"), AllBut(hugeSize)},
        {"size -2147483648", OnEverySlot("GetNVMFileSize", "-2147483648"), AllBut(sizeCommands)},
        {"unknown negative size", OnEverySlot("GetNVMFileSize", "-77777"), AllBut(sizeCommands)},
        {"unknown negative read", OnEverySlot("ReadNVMFile", "-2147483648"), AllBut(readCommands)},
        {"write claims 2147483647, stores nothing", OnEverySlot("WriteNVMFile", "2147483647"),
         AllBut(writesFailing)},
        {"second open fails", "[faults]\nInitGBPMode#2 = -1\n", AllBut(sessionTwice)},
        {"open answers an unknown code", "[faults]\nInitGBPMode = -2147483648\n", With({})},
        // Every call after it answers "no session"; the total skips sizes it
        // cannot get and the erase of 17-19 reports nothing, by design.
        {"open claims a session it did not open", "[faults]\nInitGBPMode = 0\n",
         With({"total18", "nvm-clear"})},
    };
}

const Bytes* Find(const std::map<std::string, Bytes>& files, const std::string& name) {
    const auto it = files.find(name);
    return it == files.end() ? nullptr : &it->second;
}

// "S-F": a slot address in decimal.
bool IsSlotText(std::string_view text) {
    const size_t dash = text.find('-');
    const auto digits = [](std::string_view part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return dash != std::string_view::npos && digits(text.substr(0, dash)) &&
           digits(text.substr(dash + 1));
}

// The error texts a broken link may cause; anything else would be a message
// made for some other situation.
bool KnownErrorLine(std::string_view line) {
    if (line == "ERROR: Can't Init GPB Mode" ||
        line == "ERROR: Section uploaded with error or out of memory!" ||
        line == "ERROR: '' is not a valid integer value")
        return true;
    constexpr std::string_view reading = "ERROR: Error reading section ";
    constexpr std::string_view getting = "ERROR: Error getting section ";
    constexpr std::string_view size = " size";
    if (line.starts_with(reading))
        return IsSlotText(line.substr(reading.size()));
    if (line.starts_with(getting) && line.ends_with(size))
        return IsSlotText(line.substr(getting.size(), line.size() - getting.size() - size.size()));
    return false;
}

TEST(MisbehavingLink, EveryCommandEndsInAnOrderlyWay) {
    size_t runs = 0;
    for (const Misbehaviour& link : Misbehaviours()) {
        for (const CommandCase& command : AllCommands()) {
            ++runs;
            E2eSandbox box;
            PrepareScenario(box);
            box.setPhoneIni(link.phoneIni);
            const auto workBefore = Snapshot(box.work());
            const CliRun run = box.run(command.args);
            const std::string where = command.name + " against " + link.name;
            ASSERT_EQ(SanitizerReport(run.err), "") << where;
            ASSERT_EQ(run.signal, 0) << where;

            const bool succeeds = link.succeeding.contains(command.name);
            EXPECT_EQ(run.status, succeeds ? 0 : 1) << where << "\n" << run.err;
            std::istringstream lines(run.err);
            bool errorShown = false;
            for (std::string line; std::getline(lines, line);) {
                if (line.starts_with("ERROR: ")) {
                    errorShown = true;
                    EXPECT_TRUE(KnownErrorLine(line)) << where << ": " << line;
                }
            }
            EXPECT_EQ(errorShown, !succeeds) << where << "\n" << run.err;

            // The local file is the older one, intact, or holds no more bytes
            // than the read was allowed to store.
            for (const auto& [name, capacity] :
                 {std::pair{"out.bin", 65536u}, {"temp.gif", 21504u}}) {
                const Bytes now = *ReadBytes(box.work() / name);
                EXPECT_TRUE(now == *Find(workBefore, name) || now.size() <= capacity)
                    << where << ": " << name << " holds " << now.size() << " bytes";
            }
        }
    }
    std::cout << "misbehaving link: " << runs << " runs\n";
}

} // namespace
