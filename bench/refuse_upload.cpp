// Refuses one oversized upload file the way the upload command reads it and
// writes "<peak RSS KiB before> <peak RSS KiB after> <1 when refused>" to
// the report file, so the benchmark sees this process's memory alone.
#include "bench/ProcessClock.h"
#include "transfer/SlotTransfer.h"
#include "transfer/UploadFile.h"

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s UPLOAD-FILE REPORT-FILE\n", argv[0]);
        return 2;
    }
    const long before = PeakRssKib();
    bool refused = false;
    try {
        refused = ReadTrimmedUpload(argv[1], kBigSlotLimit).tooBig;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    const long after = PeakRssKib();
    FILE* out = std::fopen(argv[2], "we");
    if (!out)
        return 1;
    std::fprintf(out, "%ld %ld %d\n", before, after, refused ? 1 : 0);
    return std::fclose(out) == 0 ? 0 : 1;
}
