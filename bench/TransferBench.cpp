#include "bench/Benchmarks.h"
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

void BuildContainer(benchmark::State& state) {
    const std::vector<uint8_t> image = ProgramImage(kImageBytes, 21);
    size_t packed = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> container = BuildLzoContainer(image);
        packed = container.size();
        benchmark::DoNotOptimize(container.data());
    }
    if (packed == 0)
        state.SkipWithError("BuildLzoContainer failed");
    state.counters["container_bytes"] = static_cast<double>(packed);
}

// The compressor alone, with its work memory and output buffer made once.
void BareCompress(benchmark::State& state) {
    std::vector<uint8_t> image = ProgramImage(kImageBytes, 21);
    std::vector<lzo_align_t> work((LZO1X_999_MEM_COMPRESS + sizeof(lzo_align_t) - 1) /
                                  sizeof(lzo_align_t));
    std::vector<uint8_t> out(LzoWorstCase(image.size()));
    if (lzo_init() != LZO_E_OK)
        state.SkipWithError("lzo_init failed");
    for (auto _ : state) {
        lzo_uint packed = out.size();
        if (lzo1x_999_compress(image.data(), image.size(), out.data(), &packed, work.data()) !=
            LZO_E_OK) {
            state.SkipWithError("lzo1x_999_compress failed");
            break;
        }
        benchmark::DoNotOptimize(out.data());
    }
}

} // namespace

void RegisterTransferBenchmarks() {
    benchmark::RegisterBenchmark("ConvertUfif20/64KiB", ConvertImage);
    benchmark::RegisterBenchmark("BuildLzoContainer/64KiB", BuildContainer);
    benchmark::RegisterBenchmark("lzo1x_999_compress/64KiB", BareCompress);
}
