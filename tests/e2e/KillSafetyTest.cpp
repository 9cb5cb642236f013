// A manager killed in the middle of its work leaves every slot and every local
// file it was replacing either as it was or as it would have become: never a
// mix of the two. The virtual phone runs at serial speed, so the 60 KB
// transfers below take seconds, and the kills land at points spread over them.
#include "E2eRun.h"

#include <gtest/gtest.h>

#include <csignal>
#include <iostream>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr size_t kTransferSize = 60000;
const char* const kSlowPhone = "baud = 230400\n";

// A file not in `known` appeared in the folder: a temporary file of a
// replacement under way.
bool NewFileIn(const fs::path& folder, const std::map<std::string, Bytes>& known) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name != ".lock" && !known.contains(name))
            return true;
    }
    return false;
}

// Runs `args` once to the end to learn how long it takes, then again killed at
// fractions of that time and once as soon as a temporary file shows up in
// `watched`; after each, `check` judges what was left.
void KillAtPointsOfTheRun(const std::function<void(E2eSandbox&)>& prepare,
                          const std::vector<std::string>& args,
                          const std::function<fs::path(const E2eSandbox&)>& watched,
                          const std::function<void(const E2eSandbox&, const std::string&)>& check) {
    std::chrono::milliseconds whole{0};
    {
        E2eSandbox box;
        prepare(box);
        const CliRun run = box.run(args);
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(SanitizerReport(run.err), "");
        whole = run.elapsed;
        ASSERT_GT(whole, 1500ms) << "the slow link should make the transfer take seconds";
        check(box, "the run left to end");
    }
    std::vector<std::pair<std::string, RunOptions>> kills;
    for (const int percent : {20, 50, 80, 95}) {
        RunOptions options;
        options.killWhen = [limit = whole * percent / 100](std::chrono::milliseconds elapsed) {
            return elapsed >= limit;
        };
        kills.emplace_back("killed at " + std::to_string(percent) + "% of the run", options);
    }
    kills.emplace_back("killed when a temporary file appeared", RunOptions{});

    size_t killed = 0;
    for (auto& [when, options] : kills) {
        E2eSandbox box;
        prepare(box);
        if (!options.killWhen) {
            const fs::path folder = watched(box);
            const auto known = Snapshot(folder);
            options.killWhen = [folder, known](std::chrono::milliseconds) {
                return NewFileIn(folder, known);
            };
        }
        const CliRun run = box.run(args, options);
        killed += run.signal == SIGKILL;
        check(box, when);
        // A dead manager holds no session: the phone answers the next one.
        const CliRun next = box.run({"refresh", "18-9"});
        EXPECT_EQ(next.status, 0) << when << ": " << next.err;
    }
    EXPECT_GE(killed, 4u) << "most runs should have been killed before they ended";
}

TEST(KillSafety, ASlotIsOldOrNewWhenTheUploadIsKilled) {
    const Bytes oldContent = ProgramImage(0x20010000, "Old", 30000, 3);
    const Bytes newContent = ProgramImage(0x20010000, "New", kTransferSize, 4);
    KillAtPointsOfTheRun(
        [&](E2eSandbox& box) {
            box.setSlot("18-9", oldContent);
            WriteBytes(box.work() / "new.bin", newContent);
            box.setPhoneIni(kSlowPhone);
        },
        {"upload", "18-9", "new.bin"}, [](const E2eSandbox& box) { return box.nvm(); },
        [&](const E2eSandbox& box, const std::string& when) {
            const auto slot = box.slot("18-9");
            ASSERT_TRUE(slot) << when << ": the slot is gone";
            EXPECT_TRUE(*slot == oldContent || *slot == newContent)
                << when << ": the slot holds " << slot->size() << " bytes of neither content";
        });
}

TEST(KillSafety, ADownloadedFileIsOldOrNewWhenKilled) {
    const Bytes oldFile(70000, 'o');
    const Bytes slotContent = ProgramImage(0x20010000, "Slot", kTransferSize, 5);
    KillAtPointsOfTheRun(
        [&](E2eSandbox& box) {
            box.setSlot("18-9", slotContent);
            WriteBytes(box.work() / "out.bin", oldFile);
            box.setPhoneIni(kSlowPhone);
        },
        {"download", "18-9", "out.bin"}, [](const E2eSandbox& box) { return box.work(); },
        [&](const E2eSandbox& box, const std::string& when) {
            const auto file = ReadBytes(box.work() / "out.bin");
            ASSERT_TRUE(file) << when << ": out.bin is gone";
            EXPECT_TRUE(*file == oldFile || *file == slotContent)
                << when << ": out.bin holds " << file->size() << " bytes of neither content";
            EXPECT_EQ(box.slot("18-9"), slotContent) << when;
        });
}

} // namespace
