#pragma once

class BenchWorkspace;

// Each registers its benchmarks under the names FigureLines reads.
void RegisterRecognitionBenchmarks();
void RegisterTransferBenchmarks();
void RegisterRefreshBenchmarks();
void RegisterGridBenchmarks();
void RegisterWindowBenchmarks(const BenchWorkspace& workspace);
void RegisterUploadRefusalBenchmarks(const BenchWorkspace& workspace);
