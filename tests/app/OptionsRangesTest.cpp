#include "app/OptionsRanges.h"

#include <gtest/gtest.h>

#include <variant>

namespace {

TEST(OptionsRanges, EditsShowTheRangesWithoutLeadingZeros) {
    EXPECT_EQ(EditsForRanges({}), (RangeEdits{"9", "29", "10", "14"}));
    EXPECT_EQ(EditsForRanges({10, 3, 2, 1}), (RangeEdits{"10", "12", "2", "2"}));
    EXPECT_EQ(DefaultRangeEdits(), (RangeEdits{"09", "29", "10", "14"}));
}

TEST(OptionsRanges, EditsGiveRangesOrSayWhatIsWrong) {
    const struct {
        RangeEdits edits;
        std::variant<RangeSettings, std::string> expected;
    } cases[] = {
        {{"09", "29", "10", "14"}, RangeSettings{9, 21, 10, 5}},
        {{"9", "29", "10", "14"}, RangeSettings{9, 21, 10, 5}},
        {{"10", "12", "10", "14"}, RangeSettings{10, 3, 10, 5}},
        {{"10", "09", "10", "09"}, RangeSettings{10, 0, 10, 0}},
        {{"01", "98", "10", "10"}, RangeSettings{1, 98, 10, 1}},
        {{"", "29", "10", "14"}, std::string("Every slot number needs one or two digits.")},
        {{"09", "29", "1 ", "14"}, std::string("Every slot number needs one or two digits.")},
        {{"12", "10", "10", "14"},
         std::string("Big slots from 18-12 to 18-10 would be a negative number of slots.")},
        {{"09", "29", "10", "05"},
         std::string("Small slots from 2-10 to 2-5 would be a negative number of slots.")},
        {{"00", "98", "00", "01"},
         std::string("Big and small slots together are 101; the table holds at most 99.")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RangesFromEdits(c.edits), c.expected)
            << c.edits.BSME1 << " " << c.edits.BSME2 << " " << c.edits.SSME1 << " "
            << c.edits.SSME2;
}

} // namespace
