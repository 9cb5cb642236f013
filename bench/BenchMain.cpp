// The manager's benchmarks: runs them all (or those picked by Google
// Benchmark's flags) and prints the figures, see FigureLines.h.
#include "bench/BenchWorkspace.h"
#include "bench/Benchmarks.h"
#include "bench/FigureLines.h"
#include "bench/FigureReporter.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    // Every figure is taken without a display, so runs compare across machines.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    try {
        BenchWorkspace workspace;
        ::setenv("GBP_PHONE_DIR", workspace.phoneRoot().c_str(), 1);

        // Repetitions in random order put each figure and its baseline side by
        // side in time; the figures are their medians. Flags given on the
        // command line come later and win.
        std::vector<std::string> defaults = {"--benchmark_repetitions=5",
                                             "--benchmark_enable_random_interleaving=true",
                                             "--benchmark_min_time=0.1"};
        std::vector<char*> args = {argv[0]};
        for (std::string& flag : defaults)
            args.push_back(flag.data());
        for (int i = 1; i < argc; ++i)
            args.push_back(argv[i]);
        int count = static_cast<int>(args.size());
        args.push_back(nullptr);
        benchmark::Initialize(&count, args.data());
        if (benchmark::ReportUnrecognizedArguments(count, args.data()))
            return 2;

        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        RegisterRecognitionBenchmarks();
        RegisterTransferBenchmarks();
        RegisterRefreshBenchmarks();
        RegisterGridBenchmarks();
        RegisterWindowBenchmarks(workspace);
        RegisterUploadRefusalBenchmarks(workspace);

        FigureReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        benchmark::Shutdown();
        PrintFigures(reporter, std::cout);
    } catch (const std::exception& e) {
        std::cerr << "adeduze-bench: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
