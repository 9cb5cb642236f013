#include "bench/BenchWorkspace.h"
#include "bench/Benchmarks.h"
#include "bench/PairedTiming.h"
#include "bench/ProcessClock.h"
#include "bench/QuietUi.h"
#include "common/Command.h"
#include "phonelink/GbpApi.h"
#include "phonelink/PhoneLinkLoader.h"
#include "slots/SlotScan.h"

#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <array>

namespace {

constexpr int32_t kPort = 1;

// The six entry points as plain function pointers, for the baseline.
struct DirectLink {
    InitGBPModeFn init = nullptr;
    EndGBPModeFn end = nullptr;
    GetNVMFileSizeFn size = nullptr;
    ReadNVMFileFn read = nullptr;
};

// The library calls of a full refresh without the manager: one session,
// then the size and the first 128 bytes of every slot. False on a failure.
bool DirectRefresh(const DirectLink& link) {
    std::array<uint8_t, 128> header{};
    if (link.init(kPort) != 0)
        return false;
    bool ok = true;
    for (int row = 1; row <= kBenchRanges.BigSlots + kBenchRanges.SmallSlots; ++row) {
        const SlotAddress slot = SlotForRow(kBenchRanges, row);
        ok = ok && link.size(slot.section, slot.file) > 0 &&
             link.read(slot.section, slot.file, header.data(),
                       static_cast<int32_t>(header.size())) > 0;
    }
    return link.end() == 0 && ok;
}

// The manager's full refresh, run as the window runs it, against the same
// library calls made directly, on the virtual phone of the workspace
// (GBP_PHONE_DIR, instant link) through the real libgbp.so.
void RefreshPair(benchmark::State& state) {
    const auto library = PhoneLinkLibrary::load();
    void* handle = ::dlopen("libgbp.so", RTLD_NOW);
    if (!library || !handle) {
        state.SkipWithError("libgbp.so cannot be loaded");
        return;
    }
    const DirectLink direct{reinterpret_cast<InitGBPModeFn>(::dlsym(handle, "InitGBPMode")),
                            reinterpret_cast<EndGBPModeFn>(::dlsym(handle, "EndGBPMode")),
                            reinterpret_cast<GetNVMFileSizeFn>(::dlsym(handle, "GetNVMFileSize")),
                            reinterpret_cast<ReadNVMFileFn>(::dlsym(handle, "ReadNVMFile"))};

    AppState appState;
    appState.ranges = kBenchRanges;
    QuietUi ui;
    CommandContext ctx{appState, library->link(), ui};
    auto manager = [&] {
        const double start = ThreadCpuSeconds();
        const bool ran = RunCommand(ctx, [&ctx] { Button1Click(ctx); });
        const double spent = ThreadCpuSeconds() - start;
        return ran && ui.lastError.empty() ? spent : -1.0;
    };
    auto bare = [&] {
        const double start = ThreadCpuSeconds();
        const bool ok = DirectRefresh(direct);
        const double spent = ThreadCpuSeconds() - start;
        return ok ? spent : -1.0;
    };

    PairedTiming pairs;
    for (auto _ : state) {
        double subject = 0;
        double baseline = 0;
        if (pairs.subjectFirst()) {
            subject = manager();
            baseline = bare();
        } else {
            baseline = bare();
            subject = manager();
        }
        if (subject < 0 || baseline < 0) {
            state.SkipWithError(("the full refresh failed " + ui.lastError).c_str());
            break;
        }
        pairs.add(state, subject, baseline);
    }
    pairs.report(state);
    ::dlclose(handle);
}

} // namespace

void RegisterRefreshBenchmarks() {
    benchmark::RegisterBenchmark("RefreshPair/99slots", RefreshPair)->UseManualTime();
}
