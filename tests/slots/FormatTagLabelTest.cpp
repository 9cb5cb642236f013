#include "slots/FormatTagLabel.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatTagLabel, Labels) {
    struct Case {
        uint32_t tag;
        const char* label;
    };
    const Case cases[] = {
        {0x20000000, "UFIF 2"},   {0x200000FF, "UFIF 2"},   {0x20010000, "UFIF 2.1"},
        {0x20010001, "UFIF 2.1"}, {0x200100FF, "UFIF 2.1"}, {0x20020000, "2.0.0/0"},
        {0x20031004, "3.10/4"},   {0x20036005, "3.6/5"},    {0x20054206, "5.4.2/6"},
        {0x30C0DE01, "PRG 3"},    {0x3500, "PRG 3.5"},      {0, "0.0.0/0"},
        {0x464C457F, "c.4.5/f"},  {0x200ABCDE, "a.b.c/e"},  {0x20031005, "3.1.0/5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatTagLabel(c.tag), c.label) << std::hex << c.tag;
}

} // namespace
