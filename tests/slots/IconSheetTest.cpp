#include "slots/IconCatalogue.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace {

QImage Picture(const QImage& sheet, int index) {
    return sheet.copy(IconSheetX(index), 0, kIconPictureSize, kIconPictureSize);
}

bool Blank(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) != 0)
                return false;
    return true;
}

TEST(IconSheet, HoldsOneDistinctPictureForEveryImageIndex) {
    const QImage sheet(kIconSheetResource);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.width(), kIconSheetWidth);
    EXPECT_EQ(sheet.height(), kIconPictureSize);
    EXPECT_TRUE(sheet.hasAlphaChannel());

    std::set<QByteArray> seen;
    for (int i = 0; i < kIconPictures; ++i) {
        const QImage picture = Picture(sheet, i).convertToFormat(QImage::Format_ARGB32);
        if (i == 19) // belongs to no catalogue item
            continue;
        EXPECT_FALSE(Blank(picture)) << i;
        const QByteArray bytes(reinterpret_cast<const char*>(picture.constBits()),
                               picture.sizeInBytes());
        EXPECT_TRUE(seen.insert(bytes).second) << "picture " << i << " repeats an earlier one";
    }
}

} // namespace
