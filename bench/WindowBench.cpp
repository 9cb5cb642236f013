#include "bench/BenchWorkspace.h"
#include "bench/Benchmarks.h"
#include "bench/ChildProcess.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

// Starts a Qt Widgets program with the paint probe preloaded and takes the
// time from the start to its first painted window, and its peak RSS then.
void FirstPaint(benchmark::State& state, const std::string& program, const BenchWorkspace& ws) {
    const std::string bin = ExecutableDir();
    const std::string report = ws.dir() + "/paint-report";
    const std::map<std::string, std::string> env = {
        {"QT_QPA_PLATFORM", "offscreen"},
        {"LD_PRELOAD", bin + "/libadeduze_paint_probe.so"},
        {"ADEDUZE_PAINT_REPORT", report},
        {"GBP_PHONE_DIR", ws.phoneRoot()},
    };
    long peakKib = 0;
    for (auto _ : state) {
        const auto run = RunChild({bin + "/" + program}, env, report);
        long long paintedAt = 0;
        long kib = 0;
        if (!run || !(std::istringstream(run->report) >> paintedAt >> kib)) {
            state.SkipWithError((program + " showed no painted window").c_str());
            break;
        }
        state.SetIterationTime(static_cast<double>(paintedAt - run->startedAt) * 1e-9);
        peakKib = std::max(peakKib, kib);
    }
    state.counters["peak_rss_kib"] = static_cast<double>(peakKib);
}

} // namespace

void RegisterWindowBenchmarks(const BenchWorkspace& workspace) {
    const std::pair<const char*, const char*> programs[] = {
        {"FirstPaint/adeduze", "adeduze"},
        {"FirstPaint/bare", "adeduze-bare-window"},
    };
    for (const auto& [name, program] : programs) {
        benchmark::RegisterBenchmark(name,
                                     [program = std::string(program), &workspace](
                                         benchmark::State& state) {
                                         FirstPaint(state, program, workspace);
                                     })
            ->UseManualTime()
            ->Iterations(4)
            ->Unit(benchmark::kMillisecond);
    }
}
