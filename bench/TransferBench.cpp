#include "bench/Benchmarks.h"
#include "bench/PairedTiming.h"
#include "bench/ProcessClock.h"
#include "bench/QuietUi.h"
#include "bench/SampleSlots.h"
#include "transfer/BuildLzoContainer.h"
#include "transfer/ConvertUfif20.h"

#include <benchmark/benchmark.h>
#include <lzo/lzo1x.h>

#include <vector>

namespace {

constexpr size_t kImageBytes = 64 * 1024;

void ConvertImage(benchmark::State& state) {
    const std::vector<uint8_t> original = ConvertibleImage(kImageBytes);
    std::vector<uint8_t> image;
    AppState appState;
    PhoneLink link;
    QuietUi ui;
    CommandContext ctx{appState, link, ui};
    for (auto _ : state) {
        // The conversion rewrites the image, so every pass gets a fresh copy.
        state.PauseTiming();
        image = original;
        state.ResumeTiming();
        benchmark::DoNotOptimize(ConvertUfif20(ctx, image));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kImageBytes));
}

// BuildLzoContainer against the compressor alone, with the compressor's
// work memory and output buffer made once, on the same bytes.
void LzoPair(benchmark::State& state) {
    std::vector<uint8_t> image = ProgramImage(kImageBytes, 21);
    std::vector<lzo_align_t> work((LZO1X_999_MEM_COMPRESS + sizeof(lzo_align_t) - 1) /
                                  sizeof(lzo_align_t));
    std::vector<uint8_t> out(LzoWorstCase(image.size()));
    if (lzo_init() != LZO_E_OK) {
        state.SkipWithError("lzo_init failed");
        return;
    }
    size_t containerBytes = 0;
    auto container = [&] {
        const double start = ThreadCpuSeconds();
        const std::vector<uint8_t> built = BuildLzoContainer(image);
        benchmark::DoNotOptimize(built.data());
        containerBytes = built.size();
        return ThreadCpuSeconds() - start;
    };
    auto bare = [&] {
        const double start = ThreadCpuSeconds();
        lzo_uint packed = out.size();
        const int result =
            lzo1x_999_compress(image.data(), image.size(), out.data(), &packed, work.data());
        benchmark::DoNotOptimize(out.data());
        return result == LZO_E_OK ? ThreadCpuSeconds() - start : -1.0;
    };
    PairedTiming pairs;
    for (auto _ : state) {
        double subject = 0;
        double baseline = 0;
        if (pairs.subjectFirst()) {
            subject = container();
            baseline = bare();
        } else {
            baseline = bare();
            subject = container();
        }
        if (baseline < 0 || containerBytes == 0) {
            state.SkipWithError("the compression failed");
            break;
        }
        pairs.add(state, subject, baseline);
    }
    pairs.report(state);
    state.counters["container_bytes"] = static_cast<double>(containerBytes);
}

} // namespace

void RegisterTransferBenchmarks() {
    benchmark::RegisterBenchmark("ConvertUfif20/64KiB", ConvertImage);
    benchmark::RegisterBenchmark("LzoPair/64KiB", LzoPair)->UseManualTime();
}
