#include "bench/Benchmarks.h"
#include "bench/SampleSlots.h"
#include "slots/SlotRecognition.h"

#include <benchmark/benchmark.h>

void RegisterRecognitionBenchmarks() {
    for (const SampleHeader& header : SampleHeaders()) {
        benchmark::RegisterBenchmark(
            ("Recognise/" + header.format).c_str(), [&header](benchmark::State& state) {
                SlotRecord record;
                for (auto _ : state) {
                    RecogniseSlotHeader(record, header.bytes, header.bytes.size());
                    benchmark::DoNotOptimize(record);
                }
            });
    }
}
