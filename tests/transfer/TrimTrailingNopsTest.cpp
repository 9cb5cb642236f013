#include "transfer/TrimTrailingNops.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TrimCase {
    const char* name;
    std::vector<uint8_t> bytes;
    size_t expected;
};

TEST(TrimTrailingNops, CutsWholeTrailingPairsOnly) {
    const std::vector<TrimCase> cases = {
        {"two trailing pairs", {1, 2, 0xC0, 0x46, 0xC0, 0x46}, 2},
        {"pair followed by zeros", {1, 2, 0xC0, 0x46, 0x00, 0x00}, 6},
        {"only nops", {0xC0, 0x46, 0xC0, 0x46}, 0},
        {"byte order matters", {1, 2, 0x46, 0xC0}, 4},
        {"odd length looks at the last two bytes", {7, 0xC0, 0x46}, 1},
        {"odd length, pair not aligned to the start", {0xC0, 0x46, 0xC0}, 3},
        {"single byte", {0xC0}, 1},
        {"empty", {}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrimTrailingNops(c.bytes, c.bytes.size()), c.expected) << c.name;
}

TEST(TrimTrailingNops, NeverLooksPastTheSpan) {
    const std::vector<uint8_t> bytes = {1, 0xC0, 0x46};
    EXPECT_EQ(TrimTrailingNops(bytes, 10), 1u);
    EXPECT_EQ(TrimTrailingNops(bytes, 2), 2u);
}

} // namespace
