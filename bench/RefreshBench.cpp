#include "bench/BenchWorkspace.h"
#include "bench/Benchmarks.h"
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

// The manager's full refresh, run as the window runs it, on the virtual
// phone of the workspace (GBP_PHONE_DIR, instant link).
void ManagerRefresh(benchmark::State& state) {
    const auto library = PhoneLinkLibrary::load();
    if (!library) {
        state.SkipWithError("libgbp.so cannot be loaded");
        return;
    }
    AppState appState;
    appState.ranges = kBenchRanges;
    QuietUi ui;
    CommandContext ctx{appState, library->link(), ui};
    for (auto _ : state) {
        if (!RunCommand(ctx, [&ctx] { Button1Click(ctx); }) || !ui.lastError.empty()) {
            state.SkipWithError(("the full refresh failed: " + ui.lastError).c_str());
            break;
        }
    }
}

// The same library calls without the manager: one session, then the size
// and the first 128 bytes of every slot.
void DirectCalls(benchmark::State& state) {
    void* handle = ::dlopen("libgbp.so", RTLD_NOW);
    if (!handle) {
        state.SkipWithError("libgbp.so cannot be loaded");
        return;
    }
    auto init = reinterpret_cast<InitGBPModeFn>(::dlsym(handle, "InitGBPMode"));
    auto end = reinterpret_cast<EndGBPModeFn>(::dlsym(handle, "EndGBPMode"));
    auto size = reinterpret_cast<GetNVMFileSizeFn>(::dlsym(handle, "GetNVMFileSize"));
    auto read = reinterpret_cast<ReadNVMFileFn>(::dlsym(handle, "ReadNVMFile"));
    std::array<uint8_t, 128> header{};
    const int rows = kBenchRanges.BigSlots + kBenchRanges.SmallSlots;
    for (auto _ : state) {
        if (init(kPort) != 0) {
            state.SkipWithError("InitGBPMode failed");
            break;
        }
        for (int row = 1; row <= rows; ++row) {
            const SlotAddress slot = SlotForRow(kBenchRanges, row);
            if (size(slot.section, slot.file) > 0)
                benchmark::DoNotOptimize(read(slot.section, slot.file, header.data(),
                                              static_cast<int32_t>(header.size())));
        }
        end();
    }
    ::dlclose(handle);
}

} // namespace

void RegisterRefreshBenchmarks() {
    benchmark::RegisterBenchmark("FullRefresh/manager", ManagerRefresh);
    benchmark::RegisterBenchmark("FullRefresh/direct", DirectCalls);
}
