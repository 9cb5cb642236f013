// Files chosen for upload may be huge or not files at all. Every command that
// reads a chosen file refuses them at once, with its message, in bounded memory.
#include "E2eRun.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <iostream>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr long kMaxRssKb = 200 * 1024;
// A refusal reads next to nothing; a run still going after this long is
// reading the file (or blocked on it) and is stopped as a failure.
constexpr auto kHangGuard = 10s;

struct FileCommand {
    std::vector<std::string> args; // FILE is appended
    std::string tooBigMessage;     // for the 4 GiB file; empty when it is cut instead
};

const std::vector<FileCommand>& FileCommands() {
    static const std::vector<FileCommand> commands = {
        {{"upload", "18-9"}, "ERROR: Can't uplod - file too big!"},
        {{"upload", "18-9", "--lzo"}, "ERROR: Can't uplod - file too big!"},
        {{"ufif2-lib", "--yes"}, "ERROR: Can't uplod - library file too big!"},
        {{"prg3-lib"}, "ERROR: Can't uplod - library file too big!"},
        {{"merge"}, ""},      // a list too long to read counts as unreadable
        {{"nvm-upload"}, ""}, // cut to its first 65536 bytes by design
    };
    return commands;
}

// The inputs, made in the working folder; each names the file to pass.
struct Input {
    std::string name;
    std::function<std::string(const E2eSandbox&)> make;
};

std::vector<Input> Inputs() {
    std::vector<Input> inputs = {
        {"a 4 GiB sparse file",
         [](const E2eSandbox& box) {
             const fs::path path = box.work() / "huge.bin";
             const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
             EXPECT_GE(fd, 0);
             EXPECT_EQ(::ftruncate(fd, off_t{4} << 30), 0);
             ::close(fd);
             return std::string("huge.bin");
         }},
        {"a FIFO without a writer",
         [](const E2eSandbox& box) {
             EXPECT_EQ(::mkfifo((box.work() / "fifo").c_str(), 0644), 0);
             return std::string("fifo");
         }},
        {"a directory",
         [](const E2eSandbox& box) {
             fs::create_directory(box.work() / "folder");
             return std::string("folder");
         }},
        // Opens, but every read fails, also for root.
        {"a file whose reads fail",
         [](const E2eSandbox&) { return std::string("/proc/self/mem"); }},
        {"a file that does not exist",
         [](const E2eSandbox&) { return std::string("missing.bin"); }},
    };
    // Permissions do not stop root, who runs these tests in containers.
    if (::geteuid() != 0) {
        inputs.push_back({"a file without read permission", [](const E2eSandbox& box) {
                              WriteBytes(box.work() / "locked.bin", Bytes(100, 1));
                              fs::permissions(box.work() / "locked.bin", fs::perms::none);
                              return std::string("locked.bin");
                          }});
    }
    return inputs;
}

TEST(BoundedInput, ChosenFilesThatAreNoFilesOrHugeAreRefusedAtOnce) {
    for (const Input& input : Inputs()) {
        for (const FileCommand& command : FileCommands()) {
            E2eSandbox box;
            box.setSlot("18-9", ProgramImage(0x20010000, "Kept", 5000, 1));
            box.setSlot("2-18", {'Z', 'U', 'V', '2', 7, 0, 17, 2, 9, 18, 0, 0});
            WriteText(box.work() / "514lg4.lib", "A0001234 strlen\r\n");
            const std::string file = input.make(box);
            auto args = command.args;
            args.insert(args.begin() + 1, file); // FILE follows the command's name or slot
            if (args[0] == "upload")
                std::swap(args[1], args[2]);
            const auto phoneBefore = Snapshot(box.nvm());

            RunOptions options;
            options.timeout = kHangGuard;
            const CliRun run = box.run(args, options);
            std::string where;
            for (const auto& arg : args)
                where += arg + " ";
            where += "(" + input.name + ")";
            ASSERT_EQ(SanitizerReport(run.err), "") << where;
            EXPECT_EQ(run.signal, 0) << where << ": it did not end by itself";
            EXPECT_LT(run.maxRssKb, kMaxRssKb) << where;
            std::cout << where << ": " << run.elapsed.count() << " ms, peak RSS " << run.maxRssKb
                      << " KiB\n";

            const bool huge = input.name == "a 4 GiB sparse file";
            if (huge && command.args[0] == "nvm-upload") {
                EXPECT_EQ(run.status, 0) << where << run.err;
                EXPECT_EQ(box.slot("17-19"), Bytes(65536, 0)) << where;
                continue;
            }
            const std::string expected = huge && !command.tooBigMessage.empty()
                                             ? command.tooBigMessage
                                             : "ERROR: Cannot open file " + file;
            EXPECT_EQ(run.status, 1) << where;
            EXPECT_NE(run.err.find(expected + "\n"), std::string::npos) << where << ": " << run.err;
            EXPECT_EQ(Snapshot(box.nvm()), phoneBefore) << where << ": the phone was changed";
            if (command.args[0] == "merge") {
                EXPECT_FALSE(fs::exists(box.work() / (file + "_"))) << where;
            }
        }
    }
}

} // namespace
