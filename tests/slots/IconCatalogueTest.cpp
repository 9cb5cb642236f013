#include "slots/IconCatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(IconCatalogue, ImageForCode) {
    struct Case {
        uint32_t code;
        int32_t image;
    };
    const Case cases[] = {
        {0xE80A, 0},  {0xE80B, 1},   {0xE83B, 18}, // the first 19 take their position
        {0xE83D, 20}, {0xE852, 107}, {0xE855, 110}, {0xE899, 147},
        {0, 0},       {0xE849, 0},   {0xE83C, 0}, // no such item
        {0x1E852, 0}, {0xE8520, 0},               // the whole text must match
    };
    for (const auto& c : cases)
        EXPECT_EQ(IconImageForCode(c.code), c.image) << std::hex << c.code;
}

TEST(IconCatalogue, EveryPictureButNineteenBelongsToExactlyOneItem) {
    std::set<int32_t> images;
    std::set<std::string_view> captions;
    for (const auto& item : IconCatalogue()) {
        EXPECT_TRUE(images.insert(item.imageIndex).second) << item.caption;
        EXPECT_TRUE(captions.insert(item.caption).second) << item.caption;
        EXPECT_EQ(IconImageForCode(std::stoul(std::string(item.caption), nullptr, 16)),
                  item.imageIndex)
            << item.caption;
    }
    EXPECT_EQ(images.count(19), 0u);
    EXPECT_EQ(*images.begin(), 0);
    EXPECT_EQ(*images.rbegin(), kIconPictures - 1);
    EXPECT_EQ(images.size(), static_cast<size_t>(kIconPictures - 1));
}

} // namespace
