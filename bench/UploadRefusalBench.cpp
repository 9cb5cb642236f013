#include "bench/BenchWorkspace.h"
#include "bench/Benchmarks.h"
#include "bench/ChildProcess.h"
#include "transfer/SlotTransfer.h"
#include "transfer/UploadFile.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

void RefusalTime(benchmark::State& state, const BenchWorkspace& ws) {
    for (auto _ : state) {
        if (!ReadTrimmedUpload(ws.sparseUpload(), kBigSlotLimit).tooBig) {
            state.SkipWithError("the 4 GiB file was not refused");
            break;
        }
    }
}

// In a process of its own, so that the peak RSS is the refusal's alone.
void RefusalMemory(benchmark::State& state, const BenchWorkspace& ws) {
    const std::string report = ws.dir() + "/refusal-report";
    long before = 0;
    long after = 0;
    for (auto _ : state) {
        const auto run =
            RunChild({ExecutableDir() + "/adeduze-bench-refuse-upload", ws.sparseUpload(), report},
                     {}, report);
        int refused = 0;
        if (!run || !(std::istringstream(run->report) >> before >> after >> refused) || !refused) {
            state.SkipWithError("the 4 GiB file was not refused");
            break;
        }
        state.SetIterationTime(1); // only the counters matter
    }
    state.counters["peak_rss_before_kib"] = static_cast<double>(before);
    state.counters["peak_rss_after_kib"] = static_cast<double>(after);
}

} // namespace

void RegisterUploadRefusalBenchmarks(const BenchWorkspace& workspace) {
    benchmark::RegisterBenchmark("UploadRefusal/time", [&workspace](benchmark::State& state) {
        RefusalTime(state, workspace);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(
        "UploadRefusal/memory",
        [&workspace](benchmark::State& state) { RefusalMemory(state, workspace); })
        ->UseManualTime()
        ->Iterations(1);
}
