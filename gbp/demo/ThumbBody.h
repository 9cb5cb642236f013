#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// length bytes (a multiple of 4) of synthetic but plausible Thumb code:
// functions with pushes, loads, compares, branches, calls and literal pools,
// the same for the same seed. Placed at an offset that is a multiple of 4,
// none of its words is one the UFIF conversion moves or reports, and it does
// not end in a no-op, so only the words a caller plants matter to the manager.
std::vector<uint8_t> ThumbBody(size_t length, uint32_t seed);

// True for a word the UFIF conversion leaves alone and does not report.
bool IsQuietWord(uint32_t word);
