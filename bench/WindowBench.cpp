#include "bench/BenchWorkspace.h"
#include "bench/Benchmarks.h"
#include "bench/ChildProcess.h"
#include "bench/PairedTiming.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

struct FirstPaint {
    double seconds = -1; // negative when no window was painted
    long peakRssKib = 0;
};

// Starts a Qt Widgets program with the paint probe preloaded: the time from
// the start to its first painted window, and its peak RSS then.
FirstPaint TimeFirstPaint(const std::string& program, const BenchWorkspace& ws) {
    const std::string bin = ExecutableDir();
    const std::string report = ws.dir() + "/paint-report";
    const std::map<std::string, std::string> env = {
        {"QT_QPA_PLATFORM", "offscreen"},
        {"LD_PRELOAD", bin + "/libadeduze_paint_probe.so"},
        {"ADEDUZE_PAINT_REPORT", report},
        {"GBP_PHONE_DIR", ws.phoneRoot()},
    };
    const auto run = RunChild({bin + "/" + program}, env, report);
    long long paintedAt = 0;
    FirstPaint paint;
    if (run && std::istringstream(run->report) >> paintedAt >> paint.peakRssKib)
        paint.seconds = static_cast<double>(paintedAt - run->startedAt) * 1e-9;
    return paint;
}

// The manager's window against a bare Qt Widgets window, started in turns.
void FirstPaintPair(benchmark::State& state, const BenchWorkspace& ws) {
    PairedTiming pairs;
    std::vector<double> managerRss;
    std::vector<double> bareRss;
    for (auto _ : state) {
        FirstPaint manager;
        FirstPaint bare;
        if (pairs.subjectFirst()) {
            manager = TimeFirstPaint("adeduze", ws);
            bare = TimeFirstPaint("adeduze-bare-window", ws);
        } else {
            bare = TimeFirstPaint("adeduze-bare-window", ws);
            manager = TimeFirstPaint("adeduze", ws);
        }
        if (manager.seconds < 0 || bare.seconds < 0) {
            state.SkipWithError(manager.seconds < 0 ? "adeduze showed no painted window"
                                                    : "the bare window was not painted");
            break;
        }
        pairs.add(state, manager.seconds, bare.seconds);
        managerRss.push_back(static_cast<double>(manager.peakRssKib));
        bareRss.push_back(static_cast<double>(bare.peakRssKib));
    }
    pairs.report(state);
    state.counters["subject_rss_kib"] = Median(managerRss);
    state.counters["baseline_rss_kib"] = Median(bareRss);
}

} // namespace

void RegisterWindowBenchmarks(const BenchWorkspace& workspace) {
    benchmark::RegisterBenchmark(
        "FirstPaintPair",
        [&workspace](benchmark::State& state) { FirstPaintPair(state, workspace); })
        ->UseManualTime()
        ->Iterations(6);
}
