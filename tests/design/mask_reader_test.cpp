// The coverage question of the panel count: whether more than a threshold of a
// rectangle's pixels are inside, answered early, always agrees with counting every pixel.

#include "design/mask_reader.h"

#include <gtest/gtest.h>

#include <QImage>

#include <random>

namespace {

qint64 countedInside(const QImage& mask, QPoint origin, const ObjectBox& box) {
    qint64 count = 0;
    for (int y = box.top; y <= box.bottom; ++y) {
        for (int x = box.left; x <= box.right; ++x) {
            const QPoint p(x - origin.x(), y - origin.y());
            count += mask.valid(p) && (mask.pixel(p) & 0xFFFFFF) != 0xFFFFFF;
        }
    }
    return count;
}

} // namespace

TEST(MaskReader, EarlyAnswerAgreesWithAFullCountOverRandomMasksAndBoxes) {
    std::mt19937 random(20261211);
    for (int round = 0; round < 40; ++round) {
        QImage mask(37, 29, QImage::Format_RGB32);
        mask.fill(Qt::white);
        const int blots = std::uniform_int_distribution<int>(0, 6)(random);
        for (int b = 0; b < blots; ++b) {
            std::uniform_int_distribution<int> at(0, 36);
            const int x0 = at(random), y0 = at(random) % 29, w = at(random), h = at(random) % 29;
            const QRgb colour = b % 2 ? qRgb(0, 0, 0) : qRgb(255, 0, 0);
            for (int y = y0; y < std::min(29, y0 + h); ++y) {
                for (int x = x0; x < std::min(37, x0 + w); ++x) {
                    mask.setPixel(x, y, colour);
                }
            }
        }
        const QPoint origin(std::uniform_int_distribution<int>(-20, 20)(random),
                            std::uniform_int_distribution<int>(-20, 20)(random));
        const MaskReader reader(mask, origin);
        std::uniform_int_distribution<int> coordinate(-40, 60);
        for (int i = 0; i < 50; ++i) {
            // Boxes inside, across and beyond the bitmap, and inverted ones.
            const ObjectBox box{coordinate(random), coordinate(random), coordinate(random),
                                coordinate(random)};
            const qint64 count = countedInside(mask, origin, box);
            for (const qint64 threshold :
                 {qint64(-1), qint64(0), count - 1, count, count + 1, count / 2, qint64(5000)}) {
                EXPECT_EQ(reader.insideMoreThan(box, threshold), count > threshold)
                    << "round " << round << " box " << box.left << ',' << box.top << ','
                    << box.right << ',' << box.bottom << " threshold " << threshold;
            }
        }
    }
}
