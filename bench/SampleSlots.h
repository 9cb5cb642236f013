#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the benchmarks feed the manager: one 128-byte header for each kind of
// slot content it tells apart, and 64 KiB program images.

struct SampleHeader {
    std::string format; // "LZO", "ELF", ... as the figures name it
    std::vector<uint8_t> bytes;
};

// The ten headers, in the order the figures list them.
const std::vector<SampleHeader>& SampleHeaders();

// A UFIF 2.1 program of `length` bytes (a multiple of 4): header, then
// synthetic Thumb code.
std::vector<uint8_t> ProgramImage(size_t length, uint32_t seed);

// A UFIF 2.0 program as the conversion finds it, with the stub patterns,
// moved words, memory words and reported addresses planted every 4 KiB.
std::vector<uint8_t> ConvertibleImage(size_t length);
