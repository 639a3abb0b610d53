#include "design/room_render_pixels.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Source over, one pixel at a time: the meaning the blend must keep.
QRgb overOnePixel(QRgb over, QRgb below) {
    const uint keep = 255 - qAlpha(over);
    return qRgb(qRed(over) + qRed(below) * keep / 255, qGreen(over) + qGreen(below) * keep / 255,
                qBlue(over) + qBlue(below) * keep / 255);
}

QRgb premultipliedPixel(std::mt19937& random, uint alpha) {
    std::uniform_int_distribution<uint> channel(0, alpha);
    return qRgba(int(channel(random)), int(channel(random)), int(channel(random)), int(alpha));
}

} // namespace

// Overlays of clear and opaque stretches of every length with see-through pixels among
// them, laid within random areas at ratios 1 and 2: every pixel equals the one-pixel blend
// inside the area and is untouched outside it.
TEST(PixelBlend, EqualsTheOnePixelBlendOverRandomOverlaysAndAreas) {
    std::mt19937 random(20261211);
    for (int round = 0; round < 200; ++round) {
        const qreal ratio = round % 2 ? 2 : 1;
        const QSize size(1 + int(random() % 90), 1 + int(random() % 12));
        QImage over(size, QImage::Format_ARGB32_Premultiplied);
        QImage target(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y) {
            int x = 0;
            while (x < size.width()) {
                const int run = 1 + int(random() % 20);
                const uint kind = random() % 4;
                for (int i = 0; i < run && x < size.width(); ++i, ++x) {
                    const uint alpha = kind == 0 ? 0 : kind == 1 ? 255 : random() % 256;
                    over.setPixel(x, y, premultipliedPixel(random, alpha));
                    target.setPixel(
                        x, y, qRgb(int(random() % 256), int(random() % 256), int(random() % 256)));
                }
            }
        }
        over.setDevicePixelRatio(ratio);
        target.setDevicePixelRatio(ratio);
        const QImage before = target.copy();
        const int canvasWidth = int(size.width() / ratio) + 2;
        const int left = int(random() % uint(canvasWidth)) - 1;
        const QRect area(left, -1, 1 + int(random() % uint(canvasWidth)), size.height() + 2);
        blendPixels(over, target, area);
        const QRect pixels = PixelScale(ratio).toPixels(area);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QRgb expected = pixels.contains(x, y)
                                          ? overOnePixel(over.pixel(x, y), before.pixel(x, y))
                                          : before.pixel(x, y);
                ASSERT_EQ(target.pixel(x, y), expected)
                    << "round " << round << " pixel " << x << "," << y;
            }
        }
    }
}
