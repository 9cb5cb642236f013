#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Reading the files people choose for upload. They may be huge, FIFOs or
// directories: memory stays bounded by the limit, and a file that cannot be
// opened or read throws AppError::cannotOpenFile(path).

struct TrimmedUpload {
    std::vector<uint8_t> bytes; // the trimmed image when it fits
    bool tooBig = false;        // more than `limit` bytes remain after trimming
};

// The file's bytes less trailing C0 46 half-words, exactly as trimming the
// whole file would give them; tooBig when more than `limit` bytes remain (a
// file whose bytes past the limit are all trailing C0 46 pairs still fits).
TrimmedUpload ReadTrimmedUpload(const std::string& path, size_t limit);

// At most the first `limit` bytes of the file (longer files are cut).
std::vector<uint8_t> ReadFilePrefix(const std::string& path, size_t limit);
