#include "placement_fixture.h"

#include "core/tpic_rec.h"
#include "design/product_picture.h"
#include "library/product_library.h"
#include "platform/picture.h"

#include <gtest/gtest.h>

using ProductLookup = SquareRoomTest;

TEST_F(ProductLookup, QuarterTurnsSwapTheSizesAndEachOrientationIsItsOwnItem) {
    const int expected[4][2] = {{300, 600}, {600, 300}, {300, 600}, {600, 300}};
    for (int o = 0; o < 4; ++o) {
        const tpic_rec* item = room->productLookup(sample::Panel300x600, o);
        ASSERT_NE(item, nullptr) << o;
        EXPECT_EQ(item->width, expected[o][0]) << o;
        EXPECT_EQ(item->height, expected[o][1]) << o;
        EXPECT_EQ(item->orientation, o);
        EXPECT_EQ(item->kind, KindSquarePanel);
        EXPECT_EQ(item->title, QStringLiteral("长板"));
        EXPECT_EQ(item->topCategory, 1);
        EXPECT_EQ(item->unit, QStringLiteral("块"));
    }
    EXPECT_EQ(room->productCache.size(), 4u);
    EXPECT_EQ(room->productLookup(sample::Panel300x600, 1),
              room->productLookup(sample::Panel300x600, 1));
    EXPECT_EQ(room->productCache.size(), 4u) << "the second lookup is served from the cache";
}

TEST_F(ProductLookup, SizesAreRoundedToWholeMillimetres) {
    library.addProduct(50, 1, QStringLiteral("板"), KindSquarePanel, 299.6, 300.4);
    const tpic_rec* item = room->productLookup(50, 0);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->width, 300);
    EXPECT_EQ(item->height, 300);
}

TEST_F(ProductLookup, CachedProductsNeedNoLibrary) {
    ASSERT_NE(room->productLookup(sample::Panel300, 0), nullptr);
    room->library = nullptr;
    EXPECT_NE(room->productLookup(sample::Panel300, 0), nullptr);
    EXPECT_EQ(room->productLookup(sample::Panel300, 1), nullptr);
}

TEST_F(ProductLookup, AnUnknownProductIsNotFoundAndNotCached) {
    EXPECT_EQ(room->productLookup(999, 0), nullptr);
    EXPECT_TRUE(room->productCache.empty());
}

TEST_F(ProductLookup, AnUnreadablePictureGivesAnItemWithoutPicture) {
    library.addProduct(51, 1, QStringLiteral("无图"), KindSquarePanel, 300, 300,
                       QByteArray("not a bitmap"));
    library.addProduct(52, 1, QStringLiteral("空图"), KindSquarePanel, 300, 300, QByteArray());
    for (const int id : {51, 52}) {
        const tpic_rec* item = room->productLookup(id, 1);
        ASSERT_NE(item, nullptr) << id;
        EXPECT_TRUE(item->picture.isNull()) << id;
        EXPECT_EQ(item->width, 300);
    }
    setOutline(*room, rectangleCorners(900, 900, 1200, 1200));
    room->currentProduct = {51, KindSquarePanel, 0};
    EXPECT_TRUE(room->placePanel({31, 31}, 0));
}

TEST_F(ProductLookup, ThePictureTurnsPixelForPixel) {
    const int w = 3;
    const int h = 2;
    const QImage source = TestLibrary::patternPicture(w, h);
    library.addProduct(53, 1, QStringLiteral("图"), KindSquarePanel, 300, 200,
                       picture::writeBmp(source));
    const QImage standard = room->productLookup(53, 0)->picture;
    ASSERT_EQ(standard.size(), QSize(w, h));
    const QImage quarter = room->productLookup(53, 1)->picture;
    const QImage half = room->productLookup(53, 2)->picture;
    const QImage threeQuarters = room->productLookup(53, 3)->picture;
    ASSERT_EQ(quarter.size(), QSize(h, w));
    ASSERT_EQ(half.size(), QSize(w, h));
    ASSERT_EQ(threeQuarters.size(), QSize(h, w));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb p = source.pixel(x, y);
            EXPECT_EQ(standard.pixel(x, y), p);
            EXPECT_EQ(quarter.pixel(h - 1 - y, x), p) << x << "," << y;
            EXPECT_EQ(half.pixel(w - 1 - x, h - 1 - y), p) << x << "," << y;
            EXPECT_EQ(threeQuarters.pixel(y, w - 1 - x), p) << x << "," << y;
        }
    }
}

TEST_F(ProductLookup, FloatingProductsAndLaterKindsAreTransparentOnPixelOneOne) {
    const QImage source = TestLibrary::patternPicture(4, 4);
    const tpic_rec* floating = room->productLookup(sample::Floating, 0);
    ASSERT_NE(floating, nullptr);
    EXPECT_TRUE(floating->transparent);
    EXPECT_EQ(floating->transparentColor, fromQRgb(source.pixel(1, 1)));
    // Turned, the pixel at (1, 1) is another one of the source.
    const tpic_rec* turned = room->productLookup(sample::Floating, 1);
    EXPECT_EQ(turned->transparentColor, fromQRgb(source.pixel(1, 2)));
    EXPECT_FALSE(room->productLookup(sample::Appliance300, 0)->transparent);
    EXPECT_FALSE(room->productLookup(sample::Panel300, 0)->transparent);
    library.addProduct(54, 3, QStringLiteral("标记"), KindMark, 10, 10);
    EXPECT_TRUE(room->productLookup(54, 0)->transparent);
}

TEST(ProductPicture, PicturesTooSmallForPixelOneOneStayOpaque) {
    EXPECT_FALSE(product_picture::transparentColor(QImage(1, 5, QImage::Format_RGB32)));
    EXPECT_FALSE(product_picture::transparentColor(QImage()));
    EXPECT_TRUE(product_picture::turned(QImage(), 1).isNull());
}
