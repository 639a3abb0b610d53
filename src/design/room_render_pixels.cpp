#include "design/room_render_pixels.h"

#include <algorithm>
#include <cstring>

PixelWriter::PixelWriter(QImage& target)
    : bits_(target.bits()), stride_(target.bytesPerLine()), bounds_(target.rect()) {}

void PixelWriter::fill(const QRect& area, QRgb colour) {
    const QRect r = area.intersected(bounds_);
    if (r.isEmpty()) {
        return;
    }
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* line = row(y);
        std::fill(line + r.left(), line + r.right() + 1, colour);
    }
}

void PixelWriter::outline(const QRect& area, QRgb colour) {
    if (area.isEmpty()) {
        return;
    }
    fill(QRect(area.left(), area.top(), area.width(), 1), colour);
    fill(QRect(area.left(), area.bottom(), area.width(), 1), colour);
    fill(QRect(area.left(), area.top(), 1, area.height()), colour);
    fill(QRect(area.right(), area.top(), 1, area.height()), colour);
}

bool PixelWriter::copy(QPoint at, const QImage& picture) {
    if (picture.format() != QImage::Format_RGB32) {
        return false;
    }
    const QRect r = QRect(at, picture.size()).intersected(bounds_);
    if (r.isEmpty()) {
        return true;
    }
    const std::size_t bytes = std::size_t(r.width()) * sizeof(QRgb);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(y - at.y()));
        std::memcpy(row(y) + r.left(), from + (r.left() - at.x()), bytes);
    }
    return true;
}
