#include "gbp/demo/SmileyGif.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 16> kPicture{
    "................", ".....######.....", "...##......##...", "..#..........#..",
    ".#............#.", ".#...##..##...#.", "#....##..##....#", "#..............#",
    "#..............#", "#..#........#..#", ".#..#......#..#.", ".#...######...#.",
    "..#..........#..", "...##......##...", ".....######.....", "................",
};

// LZW codes packed least significant bit first, as GIF stores them.
class CodeWriter {
  public:
    void put(unsigned code, unsigned width) {
        for (unsigned i = 0; i < width; ++i) {
            if (bit_ == 0)
                bytes_.push_back(0);
            if (code >> i & 1)
                bytes_.back() = static_cast<uint8_t>(bytes_.back() | 1 << bit_);
            bit_ = (bit_ + 1) % 8;
        }
    }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

  private:
    std::vector<uint8_t> bytes_;
    unsigned bit_ = 0;
};

void putShort(std::vector<uint8_t>& out, unsigned v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

} // namespace

std::vector<uint8_t> SmileyGif() {
    std::vector<uint8_t> gif{'G', 'I', 'F', '8', '9', 'a'};
    putShort(gif, 16);
    putShort(gif, 16);
    gif.insert(gif.end(), {0x80, 0, 0});                         // global colour table of 2 entries
    gif.insert(gif.end(), {0xFF, 0xD8, 0x00, 0x20, 0x20, 0x20}); // yellow, dark grey
    gif.push_back(0x2C);                                         // image descriptor
    putShort(gif, 0);
    putShort(gif, 0);
    putShort(gif, 16);
    putShort(gif, 16);
    gif.push_back(0);

    // Minimum code size 2: clear is 4, end is 5. A clear after every second
    // pixel keeps the table from growing past 7, so every code is 3 bits
    // wide and no decoder can disagree about when the width changes.
    constexpr unsigned kClear = 4, kEnd = 5, kWidth = 3;
    CodeWriter codes;
    unsigned pixel = 0;
    for (const auto row : kPicture) {
        for (char c : row) {
            if (pixel++ % 2 == 0)
                codes.put(kClear, kWidth);
            codes.put(c == '#' ? 1 : 0, kWidth);
        }
    }
    codes.put(kEnd, kWidth);

    gif.push_back(2);
    const auto& data = codes.bytes();
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t n = std::min<size_t>(255, data.size() - at);
        gif.push_back(static_cast<uint8_t>(n));
        gif.insert(gif.end(), data.begin() + static_cast<long>(at),
                   data.begin() + static_cast<long>(at + n));
    }
    gif.push_back(0);    // end of the image data
    gif.push_back(0x3B); // trailer
    return gif;
}
