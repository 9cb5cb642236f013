#include "bench/ProcessClock.h"

#include <cstdio>
#include <cstring>
#include <ctime>

int64_t MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
}

long PeakRssKib() {
    FILE* status = std::fopen("/proc/self/status", "re");
    if (!status)
        return -1;
    long kib = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            std::sscanf(line + 6, "%ld", &kib);
            break;
        }
    }
    std::fclose(status);
    return kib;
}
