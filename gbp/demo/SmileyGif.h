#pragma once

#include <cstdint>
#include <vector>

// A 16 x 16 two-colour GIF89a picture of a smiling face, about 180 bytes.
std::vector<uint8_t> SmileyGif();
