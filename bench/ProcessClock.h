#pragma once

#include <cstdint>

// Shared by the benchmark and the processes it starts, so that one can time
// from the other's clock: CLOCK_MONOTONIC is the same in every process.
int64_t MonotonicNanoseconds();

// CPU time of the calling thread, in seconds: what an in-process figure
// costs, barely moved by other programs sharing the machine.
double ThreadCpuSeconds();

// The process's peak resident set so far (VmHWM), in KiB; -1 when unknown.
// Read from inside the process: a parent's rusage of a child also counts
// the parent's own pages that the child shared until exec.
long PeakRssKib();
