#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The icon catalogue: the phone's icon codes in list order, each with the
// picture that shows it. Pictures are 12 x 12 and live side by side in one
// sprite sheet (a Qt resource): picture i covers x = 12 * i .. 12 * i + 11,
// y = 0 .. 11, with transparency.

struct IconCatalogueItem {
    std::string_view caption; // four upper-case hexadecimal digits
    int32_t imageIndex;
};

constexpr int kIconCatalogueItems = 147;
constexpr int kIconPictures = 148;
constexpr int kIconPictureSize = 12;

// Pictures with a fixed role: the image of unknown codes (and of rows not yet
// scanned), the generic program icon and the empty-slot icon.
constexpr int32_t kUnknownIconImage = 0;
constexpr int32_t kProgramIconImage = 107;
constexpr int32_t kEmptySlotIconImage = 110;

// The sprite sheet: kIconPictures pictures in one row, kIconSheetWidth x
// kIconPictureSize pixels. The resource file is compiled into adeduze_forms;
// call InitIconResources() (resources/IconResources.h) once before loading it,
// since a static library's resources are not registered on their own.
inline constexpr const char* kIconSheetResource = ":/icons/icons.png";
constexpr int kIconSheetWidth = kIconPictures * kIconPictureSize;

// The left edge of picture `index` in the sprite sheet.
constexpr int IconSheetX(int index) {
    return index * kIconPictureSize;
}

// The items in list order. Picture 19 belongs to no item: the items after the
// 19th take their position plus one.
const std::array<IconCatalogueItem, kIconCatalogueItems>& IconCatalogue();

// The image index of the code's catalogue item: the code is written in
// upper-case hexadecimal without leading zeros (0xE852 -> "E852") and the
// first item with exactly that caption decides; 0 when none has it.
int32_t IconImageForCode(uint32_t code);
