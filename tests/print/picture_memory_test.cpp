// Pictures on the shared pixel blocks: white, apart from each other, and any
// size, also one larger than a block.
#include "qtcanvas/picture_memory.h"

#include <gtest/gtest.h>

#include <vector>

namespace kalvesta {
namespace {

TEST(PictureMemory, PicturesAreWhiteAndApartWhateverTheirSize) {
    std::vector<QImage> pictures;
    for (const QSize size : {QSize(172, 84), QSize(800, 1220), QSize(3000, 1000), QSize(1, 1)}) {
        pictures.push_back(MakeWhitePicture(size));
        ASSERT_EQ(pictures.back().size(), size);
        EXPECT_EQ(pictures.back().pixel(size.width() - 1, size.height() - 1), qRgb(255, 255, 255));
    }
    for (QImage& picture : pictures) {
        picture.fill(Qt::black);
        pictures.front().setPixel(0, 0, qRgb(1, 2, 3));
    }
    EXPECT_EQ(pictures[1].pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pictures[3].pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pictures[0].pixel(0, 0), qRgb(1, 2, 3));

    // Memory given back is cut again for new pictures, white once more.
    pictures.clear();
    EXPECT_EQ(MakeWhitePicture(QSize(616, 321)).pixel(615, 320), qRgb(255, 255, 255));
    EXPECT_TRUE(MakeWhitePicture(QSize(0, 5)).isNull());
}

}  // namespace
}  // namespace kalvesta
