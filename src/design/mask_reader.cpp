#include "design/mask_reader.h"

#include "platform/color.h"

#include <algorithm>

static_assert((toQRgb(colors::White) & 0xFFFFFF) == 0xFFFFFF);
static_assert((toQRgb(colors::Red) & 0xFFFFFF) == 0xFF0000);

MaskReader::MaskReader(const QImage& mask, QPoint origin)
    : originX_(origin.x()), originY_(origin.y()) {
    const QImage* source = &mask;
    if (mask.format() != QImage::Format_RGB32 && mask.format() != QImage::Format_ARGB32) {
        converted_ = mask.convertToFormat(QImage::Format_RGB32);
        source = &converted_;
    }
    bits_ = source->constBits();
    bytesPerLine_ = source->bytesPerLine();
    width_ = source->width();
    height_ = source->height();
}

bool MaskReader::insideMoreThan(const ObjectBox& box, qint64 threshold) const {
    const int left = std::max(box.left - originX_, 0);
    const int right = std::min(box.right - originX_, width_ - 1);
    const int top = std::max(box.top - originY_, 0);
    const int bottom = std::min(box.bottom - originY_, height_ - 1);
    if (left > right || top > bottom) {
        return threshold < 0;
    }
    const qint64 rowWidth = right - left + 1;
    qint64 count = 0;
    qint64 unread = rowWidth * (bottom - top + 1);
    for (int y = top; y <= bottom; ++y) {
        const QRgb* pixels = row(y);
        for (int x = left; x <= right; ++x) {
            count += (pixels[x] & 0xFFFFFF) != WhiteRgb;
        }
        unread -= rowWidth;
        if (count > threshold) {
            return true;
        }
        if (count + unread <= threshold) {
            return false;
        }
    }
    return count > threshold;
}
