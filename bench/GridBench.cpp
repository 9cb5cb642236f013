#include "bench/BenchWorkspace.h"
#include "bench/Benchmarks.h"
#include "bench/SampleSlots.h"
#include "common/AppState.h"
#include "slots/IconForm.h"
#include "slots/SlotGridView.h"
#include "slots/SlotRecognition.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRowHeight = 30;

// Every row holds a slot recognised from one of the sample headers in turn.
void FillTable(AppState& state) {
    state.ranges = kBenchRanges;
    const auto& headers = SampleHeaders();
    for (int row = 1; row <= kBenchRanges.BigSlots + kBenchRanges.SmallSlots; ++row) {
        SlotRecord& record = state.table[static_cast<size_t>(row)];
        record.Size = 1000 * row;
        const auto& header = headers[static_cast<size_t>(row) % headers.size()].bytes;
        RecogniseSlotHeader(record, header, header.size());
    }
}

// repaintNow, as the full refresh calls it between slots, on a grid tall
// enough to show all 99 rows at once.
void RepaintGrid(benchmark::State& state) {
    AppState appState;
    FillTable(appState);
    TIconForm icons;
    SlotGridView grid(appState, icons);
    grid.resize(300, (kSlotTableSize + 1) * kRowHeight);
    grid.show();
    grid.resetRowCount();
    grid.fitMiddleColumn();
    QCoreApplication::processEvents();
    for (auto _ : state)
        grid.repaintNow();
}

} // namespace

void RegisterGridBenchmarks() {
    benchmark::RegisterBenchmark("GridRepaint/99rows", RepaintGrid)->Unit(benchmark::kMillisecond);
}
