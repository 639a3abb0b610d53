#include "platform/picture.h"
#include "platform/prompts.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

TEST(Surface, ExactColoursAndCanvasRectangleConvention) {
    Surface s(50, 50, colors::White);
    s.setPen(colors::Red);
    s.setBrush(colors::Black);
    s.rectangle(10, 10, 20, 20);
    EXPECT_EQ(s.pixel(10, 10), colors::Red);
    EXPECT_EQ(s.pixel(19, 19), colors::Red);
    EXPECT_EQ(s.pixel(15, 15), colors::Black);
    EXPECT_EQ(s.pixel(20, 20), colors::White);
    s.fillRect(30, 30, 32, 31, makeColor(1, 2, 3));
    EXPECT_EQ(s.pixel(31, 30), makeColor(1, 2, 3));
    EXPECT_EQ(s.pixel(32, 30), colors::White);
    EXPECT_EQ(redOf(colors::Red), 255);
    EXPECT_EQ(s.pixel(-1, 0), colors::White) << "reads outside give the background";
}

TEST(Surface, TransparentAndStretchedDrawing) {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(toQRgb(colors::Lime));
    picture.setPixel(2, 2, toQRgb(colors::Blue));
    Surface s(40, 40, colors::White);
    s.drawTransparent(QRect(0, 0, 4, 4), picture, colors::Lime);
    EXPECT_EQ(s.pixel(0, 0), colors::White);
    EXPECT_EQ(s.pixel(2, 2), colors::Blue);
    s.stretchDraw(QRect(10, 10, 8, 8), picture);
    EXPECT_EQ(s.pixel(10, 10), colors::Lime);
    EXPECT_EQ(s.pixel(14, 14), colors::Blue);
    EXPECT_EQ(s.pixel(18, 18), colors::White);
}

TEST(Surface, TextDrawsInItsColour) {
    Surface s(200, 40, colors::White);
    s.setBrushClear();
    s.setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 14), colors::Blue);
    s.textOut(2, 2, QStringLiteral("房间面积"));
    int blue = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) {
            blue += s.pixel(x, y) != colors::White;
        }
    }
    EXPECT_GT(blue, 20);
    EXPECT_GT(s.textWidth(QStringLiteral("房间面积")), 20);
}

TEST(Picture, BmpAndJpegRoundTrips) {
    QImage image(60, 30, QImage::Format_RGB32);
    image.fill(toQRgb(makeColor(200, 100, 50)));
    const QByteArray bmp = picture::writeBmp(image);
    ASSERT_TRUE(bmp.startsWith("BM"));
    QImage back = picture::readBmp(bmp);
    ASSERT_EQ(back.size(), image.size());
    EXPECT_EQ(fromQRgb(back.pixel(5, 5)), makeColor(200, 100, 50));
    EXPECT_TRUE(picture::checkJpegSupport().isEmpty()) << qPrintable(picture::checkJpegSupport());
    const QByteArray jpeg = picture::encodeJpeg(image);
    ASSERT_TRUE(jpeg.startsWith("\xFF\xD8"));
    EXPECT_EQ(picture::decodeJpeg(jpeg).size(), image.size());
    EXPECT_TRUE(picture::readBmp("not a picture").isNull());
    EXPECT_TRUE(picture::readBmp({}).isNull());
}

// Each stored layout of pixels comes back in its own colours: a swapped channel or a
// skipped conversion shows as a wrong colour in one of the bands.
TEST(Picture, JpegKeepsTheColoursOfEveryPixelLayout) {
    const QColor bands[] = {Qt::red, Qt::green, Qt::blue, QColor(240, 200, 40)};
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
          QImage::Format_RGB888, QImage::Format_Indexed8}) {
        QImage image(4 * 40, 33, QImage::Format_RGB32);
        for (int b = 0; b < 4; ++b) {
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 40 * b; x < 40 * (b + 1); ++x) {
                    image.setPixelColor(x, y, bands[b]);
                }
            }
        }
        image = image.convertToFormat(format);
        const QImage back = picture::decodeJpeg(picture::encodeJpeg(image, 90));
        ASSERT_EQ(back.size(), image.size()) << format;
        for (int b = 0; b < 4; ++b) {
            const QColor got = back.pixelColor(40 * b + 20, 16);
            EXPECT_NEAR(got.red(), bands[b].red(), 12) << format << " band " << b;
            EXPECT_NEAR(got.green(), bands[b].green(), 12) << format << " band " << b;
            EXPECT_NEAR(got.blue(), bands[b].blue(), 12) << format << " band " << b;
        }
    }
    EXPECT_TRUE(picture::encodeJpeg(QImage()).isEmpty());
}

TEST(Prompts, PipeFiltersBecomeQtFilters) {
    EXPECT_EQ(toQtFileFilter("jpeg (*.jpg)|*.jpg"), "jpeg (*.jpg)");
    EXPECT_EQ(toQtFileFilter("TESSRA工程文件|*.zpk"), "TESSRA工程文件 (*.zpk)");
    EXPECT_EQ(toQtFileFilter("图片|*.jpg;*.bmp|全部|*.*"), "图片 (*.jpg *.bmp);;全部 (*.*)");
}
