// The fault matrix: every command of adeduze-cli against every fault the
// virtual phone can inject at every phone call the command makes. The calls
// come from a traced run of the command; each (call, answer) pair is a cell
// run in a fresh sandbox. For each cell: the messages and their captions, the
// exit status, the slots and the local files afterwards.
#include "CommandTable.h"
#include "E2eRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// One phone call of a traced run, named as phone.ini's [faults] names it.
struct PhoneCall {
    std::string name;              // "ReadNVMFile"
    std::string slot;              // "18-9", empty for the session calls
    int occurrence = 0;            // n-th such call of the run, as the phone counts them
    bool afterWriteOfSlot = false; // the slot was written earlier in the run

    std::string label() const {
        return name + (slot.empty() ? "" : " " + slot) + "#" + std::to_string(occurrence);
    }
};

// The answers a fault may give at each call: a refusal, and for the size
// query also the "no such file" code that the manager shows as an empty slot.
const std::map<std::string, std::vector<int32_t>>& FaultAnswers() {
    static const std::map<std::string, std::vector<int32_t>> answers{
        {"InitGBPMode", {-1}},  {"EndGBPMode", {-1}},   {"GetNVMFileSize", {-12, -5}},
        {"ReadNVMFile", {-12}}, {"WriteNVMFile", {-7}}, {"ClearNVMFile", {-1}},
    };
    return answers;
}

// The calls in a trace, counted as the virtual phone counts them: every
// InitGBPMode, the other calls per slot and only inside a session.
std::vector<PhoneCall> CallsOf(const std::string& trace) {
    std::vector<PhoneCall> calls;
    std::map<std::string, int> counts;
    std::vector<std::string> written;
    bool session = false;
    std::istringstream lines(trace);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::vector<std::string> parts;
        for (std::string w; words >> w;)
            parts.push_back(w);
        PhoneCall call;
        call.name = parts.at(0);
        if (parts.size() == 3)
            call.slot = parts[1];
        const int answer = std::stoi(parts.back());
        const bool counted = call.name == "InitGBPMode" || session;
        if (call.name == "InitGBPMode")
            session = answer == 0;
        if (call.name == "EndGBPMode")
            session = false;
        if (!counted)
            continue;
        call.occurrence = ++counts[call.name + " " + call.slot];
        call.afterWriteOfSlot =
            std::find(written.begin(), written.end(), call.slot) != written.end();
        if (call.name == "WriteNVMFile")
            written.push_back(call.slot);
        calls.push_back(call);
    }
    return calls;
}

// What one run leaves behind.
struct Outcome {
    CliRun run;
    std::map<std::string, Bytes> phone; // slot files
    std::map<std::string, Bytes> work;  // local files
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool HasErrorLine(const std::string& err) {
    const auto lines = Lines(err);
    return std::any_of(lines.begin(), lines.end(),
                       [](const std::string& l) { return l.starts_with("ERROR: "); });
}

bool Contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

std::optional<Bytes> Find(const std::map<std::string, Bytes>& files, const std::string& name) {
    const auto it = files.find(name);
    return it == files.end() ? std::nullopt : std::optional(it->second);
}

// A file after the cell is the file before it or the file the fault-free run
// left, never anything else; a file absent in both stays absent.
void ExpectWholeFiles(const std::map<std::string, Bytes>& before,
                      const std::map<std::string, Bytes>& baselineAfter,
                      const std::map<std::string, Bytes>& after, const std::string& where) {
    std::vector<std::string> names;
    for (const auto* files : {&before, &baselineAfter, &after})
        for (const auto& [name, bytes] : *files)
            names.push_back(name);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    for (const auto& name : names) {
        const auto now = Find(after, name);
        EXPECT_TRUE(now == Find(before, name) || now == Find(baselineAfter, name))
            << where << ": " << name << " is neither as before nor as the fault-free run left it";
    }
}

class Cell {
  public:
    Cell(const CommandCase& command, const std::string& phoneIni,
         const std::map<std::string, std::string>& env = {}) {
        PrepareScenario(box_);
        box_.setPhoneIni(phoneIni);
        phoneBefore_ = Snapshot(box_.nvm());
        workBefore_ = Snapshot(box_.work());
        RunOptions options;
        options.env = env;
        outcome_.run = box_.run(command.args, options);
        outcome_.phone = Snapshot(box_.nvm());
        outcome_.work = Snapshot(box_.work());
    }

    const E2eSandbox& box() const { return box_; }
    const Outcome& outcome() const { return outcome_; }
    const std::map<std::string, Bytes>& phoneBefore() const { return phoneBefore_; }
    const std::map<std::string, Bytes>& workBefore() const { return workBefore_; }

  private:
    E2eSandbox box_;
    Outcome outcome_;
    std::map<std::string, Bytes> phoneBefore_;
    std::map<std::string, Bytes> workBefore_;
};

// The fault-free run of a command, traced.
struct Baseline {
    std::vector<PhoneCall> calls;
    Outcome outcome;
    std::map<std::string, Bytes> phoneBefore;
    std::map<std::string, Bytes> workBefore;
};

Baseline TracedBaseline(const CommandCase& command) {
    const fs::path trace = fs::temp_directory_path() /
                           ("adeduze-trace-" + std::to_string(::getpid()) + "-" + command.name);
    fs::remove(trace);
    Cell cell(command, "",
              {{"LD_LIBRARY_PATH", ADEDUZE_TRACING_DIR},
               {"GBP_TRACE_REAL", (BinDir() / "libgbp.so").string()},
               {"GBP_TRACE_FILE", trace.string()}});
    const Bytes log = ReadBytes(trace).value_or(Bytes{});
    Baseline baseline{CallsOf(std::string(log.begin(), log.end())), cell.outcome(),
                      cell.phoneBefore(), cell.workBefore()};
    fs::remove(trace);
    return baseline;
}

int64_t SizeOf(const std::map<std::string, Bytes>& files, const std::string& name) {
    const auto bytes = Find(files, name);
    return bytes ? static_cast<int64_t>(bytes->size()) : 0;
}

const char* const kUploadErrorLine = "ERROR: Section uploaded with error or out of memory!";

// What the person must see, and what must stay as it was, for one cell.
void CheckCell(const CommandCase& command, const Baseline& base, size_t callIndex, int32_t answer,
               const Cell& cell, const std::string& where) {
    const PhoneCall& call = base.calls[callIndex];
    const CliRun& run = cell.outcome().run;
    const auto& phone = cell.outcome().phone;
    const auto& work = cell.outcome().work;
    const std::string slotText = "section " + call.slot;

    // Whether the call comes before the command first changes the phone.
    bool beforeFirstChange = true;
    for (size_t i = 0; i < callIndex; ++i)
        beforeFirstChange = beforeFirstChange && base.calls[i].name != "WriteNVMFile" &&
                            base.calls[i].name != "ClearNVMFile";
    // Whether the slot was erased earlier in the run.
    bool erasedBefore = false;
    for (size_t i = 0; i < callIndex; ++i)
        erasedBefore = erasedBefore ||
                       (base.calls[i].name == "ClearNVMFile" && base.calls[i].slot == call.slot);
    // Whether the slot is written again after this call.
    bool writtenLater = false;
    for (size_t i = callIndex + 1; i < base.calls.size(); ++i)
        writtenLater = writtenLater ||
                       (base.calls[i].name == "WriteNVMFile" && base.calls[i].slot == call.slot);

    if (call.name == "EndGBPMode") {
        // Its answer is ignored: the run is the fault-free run.
        EXPECT_EQ(run.status, base.outcome.run.status) << where;
        EXPECT_EQ(run.out, base.outcome.run.out) << where;
        EXPECT_EQ(run.err, base.outcome.run.err) << where;
        EXPECT_EQ(phone, base.outcome.phone) << where;
        EXPECT_EQ(work, base.outcome.work) << where;
        return;
    }
    if (call.name == "InitGBPMode") {
        EXPECT_TRUE(Contains(run.err, "ERROR: Can't Init GPB Mode\n")) << where << run.err;
        EXPECT_EQ(run.status, 1) << where;
    }
    if (call.name == "ReadNVMFile") {
        // Reading back what was just written checks the write: a failed read
        // there is a failed upload.
        const std::string expected =
            call.afterWriteOfSlot ? kUploadErrorLine : "ERROR: Error reading " + slotText + "\n";
        EXPECT_TRUE(Contains(run.err, expected)) << where << run.err;
        EXPECT_EQ(run.status, 1) << where;
    }
    if (call.name == "GetNVMFileSize") {
        if (command.name == "total18") {
            // Sizes that cannot be had add nothing; no message but the total.
            int64_t total = 0;
            for (int file = 0; file < 32; ++file)
                total += SizeOf(cell.phoneBefore(), "18-" + std::to_string(file));
            total -= SizeOf(cell.phoneBefore(), call.slot);
            EXPECT_EQ(run.err, "Total Section 18xx size = " + std::to_string(total) + "\n")
                << where;
        } else if (call.afterWriteOfSlot) {
            // The read-back after an upload: anything but the length written is a failed upload.
            EXPECT_TRUE(Contains(run.err, kUploadErrorLine)) << where << run.err;
        } else if (answer == -5) {
            // "No such file": the slot is shown as empty, with no error about it.
            EXPECT_FALSE(Contains(run.err, slotText)) << where << run.err;
            if (command.name == "list" || command.name == "refresh") {
                const auto lines = Lines(run.out);
                const auto row =
                    std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
                        return Contains(l, "{" + call.slot + "}");
                    });
                ASSERT_NE(row, lines.end()) << where << run.out;
                EXPECT_TRUE(Contains(*row, "< Empty >")) << where << *row;
            }
        } else {
            EXPECT_TRUE(Contains(run.err, "ERROR: Error getting " + slotText + " size\n"))
                << where << run.err;
            EXPECT_EQ(run.status, 1) << where;
        }
    }
    if (call.name == "WriteNVMFile") {
        // A write the phone refused stores nothing: the slot holds what it held
        // before the write. The size read back is the only check: it tells a
        // failed write only when that content's size differs from the new one's.
        const auto held = erasedBefore ? std::nullopt : Find(cell.phoneBefore(), call.slot);
        EXPECT_EQ(Find(phone, call.slot), held) << where;
        if ((held ? held->size() : 0) !=
            static_cast<size_t>(SizeOf(base.outcome.phone, call.slot))) {
            EXPECT_TRUE(Contains(run.err, kUploadErrorLine)) << where << run.err;
            EXPECT_EQ(run.status, 1) << where;
        }
        // Otherwise the size alone cannot tell (the preference record is
        // always 12 bytes): a check that reads the bytes back may report it.
    }
    if (call.name == "ClearNVMFile") {
        // Its answer is ignored; the slot keeps its content unless written afterwards.
        EXPECT_EQ(run.status, base.outcome.run.status) << where;
        if (!writtenLater) {
            EXPECT_EQ(Find(phone, call.slot), Find(cell.phoneBefore(), call.slot)) << where;
        }
    }

    // A refused call before the command's first change changes nothing on
    // the phone. The conversion is the one command that goes on after a
    // refusal there: its erase step may fail to open a session, and it still
    // writes the converted program back.
    const bool refused = call.name == "InitGBPMode" || call.name == "ReadNVMFile" ||
                         (call.name == "GetNVMFileSize" && answer != -5);
    const bool opensEraseSession = call.name == "InitGBPMode" &&
                                   callIndex + 1 < base.calls.size() &&
                                   base.calls[callIndex + 1].name == "ClearNVMFile";
    if (refused && beforeFirstChange && !opensEraseSession) {
        EXPECT_EQ(phone, cell.phoneBefore()) << where;
    }
    if (call.name == "InitGBPMode" && call.occurrence == 1) {
        EXPECT_EQ(work, cell.workBefore()) << where;
    }
}

// The conversion erases the slot before it writes the converted program back,
// keeping that program in temp.prg first: when the write does not happen or
// does not take, the slot may be left erased, but never without the copy.
void ExpectConvertedProgramKept(const Baseline& base, const Cell& cell, const std::string& where) {
    const auto slot = Find(cell.outcome().phone, "18-9");
    if (!slot) {
        EXPECT_EQ(Find(cell.outcome().work, "temp.prg"), Find(base.outcome.work, "temp.prg"))
            << where << ": 18-9 was erased without a whole copy in temp.prg";
    }
}

class FaultMatrix : public testing::TestWithParam<CommandCase> {};

TEST_P(FaultMatrix, EveryFaultAtEveryCall) {
    const CommandCase& command = GetParam();
    const Baseline base = TracedBaseline(command);
    const CliRun& clean = base.outcome.run;
    ASSERT_EQ(SanitizerReport(clean.err), "");
    ASSERT_EQ(clean.status, 0) << clean.err;
    if (command.name != "merge") {
        ASSERT_FALSE(base.calls.empty()) << "the tracing link saw no call";
    }

    size_t cells = 1; // the fault-free run
    for (size_t i = 0; i < base.calls.size(); ++i) {
        const PhoneCall& call = base.calls[i];
        for (const int32_t answer : FaultAnswers().at(call.name)) {
            ++cells;
            const std::string fault = call.label() + " = " + std::to_string(answer);
            const std::string where = command.name + " with " + fault;
            const Cell cell(command, "[faults]\n" + fault + "\n");
            const CliRun& run = cell.outcome().run;

            ASSERT_EQ(SanitizerReport(run.err), "") << where;
            ASSERT_EQ(run.signal, 0) << where;
            EXPECT_TRUE(run.status == 0 || run.status == 1) << where << run.err;
            EXPECT_EQ(run.status == 1, HasErrorLine(run.err)) << where << run.err;
            CheckCell(command, base, i, answer, cell, where);

            auto phoneAfter = cell.outcome().phone;
            if (command.name == "convert") {
                ExpectConvertedProgramKept(base, cell, where);
                if (!phoneAfter.contains("18-9") && cell.phoneBefore().contains("18-9"))
                    phoneAfter["18-9"] = cell.phoneBefore().at("18-9"); // judged just above
            }
            ExpectWholeFiles(cell.phoneBefore(), base.outcome.phone, phoneAfter,
                             where + " (phone)");
            ExpectWholeFiles(cell.workBefore(), base.outcome.work, cell.outcome().work,
                             where + " (local files)");
        }
    }
    std::cout << "fault matrix: " << command.name << ": " << cells << " cells\n";
    RecordProperty("cells", static_cast<int>(cells));
}

INSTANTIATE_TEST_SUITE_P(AllCommands, FaultMatrix, testing::ValuesIn(AllCommands()),
                         [](const testing::TestParamInfo<CommandCase>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
