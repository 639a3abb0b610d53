#include "platform/flood_fill.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

TEST(FloodFill, StopsAtAOnePixelBorder) {
    Surface s(100, 100, colors::White);
    s.setPen(colors::Red);
    s.setBrushClear();
    s.rectangle(10, 10, 60, 40); // a red frame over columns 10..59, rows 10..39
    s.setBrush(colors::Black);
    s.floodFill(30, 20, colors::Red);
    EXPECT_EQ(s.pixel(30, 20), colors::Black);
    EXPECT_EQ(s.pixel(11, 11), colors::Black);
    EXPECT_EQ(s.pixel(58, 38), colors::Black);
    EXPECT_EQ(s.pixel(10, 10), colors::Red);
    EXPECT_EQ(s.pixel(59, 39), colors::Red);
    EXPECT_EQ(s.pixel(60, 20), colors::White);
    EXPECT_EQ(s.pixel(9, 20), colors::White);
    EXPECT_EQ(s.pixel(30, 40), colors::White);
}

TEST(FloodFill, DiagonalGapsDoNotLeakAndConcaveRegionsFill) {
    // A U-shaped region whose arms are reached only around the bottom; a diagonal
    // staircase border must hold (four-neighbour fill).
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int i = 0; i < 20; ++i) {
        image.setPixel(i, i, toQRgb(colors::Red)); // staircase diagonal
    }
    for (int y = 0; y < 15; ++y) {
        image.setPixel(10, y, toQRgb(colors::Red)); // wall splitting the lower-left part
    }
    long long changed = flood::fillToBorder(image, 2, 18, colors::Red, colors::Black);
    // Everything below the diagonal (190 pixels) less the four wall pixels there.
    EXPECT_EQ(changed, 190 - 4);
    EXPECT_EQ(fromQRgb(image.pixel(18, 2)), colors::White) << "leaked across the diagonal";
    EXPECT_EQ(fromQRgb(image.pixel(11, 12)), colors::Black) << "concave pocket not filled";
}

TEST(FloodFill, SecondSeedInAFilledRegionChangesNothing) {
    Surface s(100, 100, colors::White);
    s.setPen(colors::Red);
    s.setBrushClear();
    s.rectangle(10, 10, 60, 40);
    QImage& image = s.pixels();
    EXPECT_EQ(flood::fillToBorder(image, 30, 20, colors::Red, colors::Black), 48 * 28);
    EXPECT_EQ(flood::fillToBorder(image, 40, 30, colors::Red, colors::Black), 0);
    EXPECT_EQ(fromQRgb(image.pixel(5, 5)), colors::White);
}

TEST(FloodFill, FillsAroundObstaclesInEveryDirection) {
    // A comb: teeth hang from the top and rise from the bottom, so the region is a
    // serpentine that the fill must follow up, down, left and right.
    QImage image(41, 21, QImage::Format_RGB32);
    image.fill(Qt::white);
    int teeth = 0;
    for (int x = 4; x < 40; x += 4) {
        const bool fromTop = (x / 4) % 2 == 1;
        for (int y = fromTop ? 0 : 2; y < (fromTop ? 19 : 21); ++y) {
            image.setPixel(x, y, toQRgb(colors::Red));
            ++teeth;
        }
    }
    long long changed = flood::fillToBorder(image, 0, 10, colors::Red, colors::Black);
    EXPECT_EQ(changed, 41 * 21 - teeth);
    EXPECT_EQ(fromQRgb(image.pixel(40, 0)), colors::Black);
}

TEST(FloodFill, SeedOnBorderOrOutsideChangesNothing) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(toQRgb(colors::Red));
    EXPECT_EQ(flood::fillToBorder(image, 5, 5, colors::Red, colors::Black), 0);
    EXPECT_EQ(flood::fillToBorder(image, -1, 5, colors::Red, colors::Black), 0);
    EXPECT_EQ(flood::fillSurface(image, 3, 3, colors::Red), 0);
    EXPECT_EQ(flood::fillSurface(image, 3, 3, colors::Blue), 100);
}
