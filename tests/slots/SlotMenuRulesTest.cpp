#include "slots/SlotMenuRules.h"

#include <gtest/gtest.h>

namespace {

TEST(SlotMenuRules, EntriesByKind) {
    struct Case {
        const char* label;
        SlotKind kind;
        uint32_t tag;
        SlotMenuEntries expected; // refresh, upload, lzo, clear, download, gif, convert
    };
    const Case cases[] = {
        {"empty", SlotKind::Empty, 0x20000000, {true, true, true, false, false, false, false}},
        {"convertible program",
         SlotKind::Program,
         0x20000000,
         {true, true, true, true, true, false, true}},
        {"ufif 2 not convertible",
         SlotKind::Program,
         0x20000001,
         {true, true, true, true, true, false, false}},
        {"ufif 2.1 program",
         SlotKind::Program,
         0x20010000,
         {true, true, true, true, true, false, false}},
        {"gif", SlotKind::Gif, 0x20000000, {true, true, true, true, true, true, false}},
        {"data", SlotKind::Data, 0x20000000, {true, true, true, true, true, false, false}},
    };
    for (const auto& c : cases) {
        SlotRecord entry;
        entry.Kind = c.kind;
        entry.FormatTag = c.tag;
        EXPECT_EQ(SlotMenuRules(entry), c.expected) << c.label;
    }
}

} // namespace
