#include "design/room_render_pixels.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int LongestAlignmentStep = 8;

bool whole(qreal value) {
    return std::abs(value - std::round(value)) < 1e-9;
}

int floorTo(int value, int step) {
    return value >= 0 ? value / step * step : -((-value + step - 1) / step * step);
}

} // namespace

PixelScale::PixelScale(qreal ratio) : ratio_(ratio), step_(0) {
    for (int step = 1; step <= LongestAlignmentStep && step_ == 0; ++step) {
        if (whole(step * ratio)) {
            step_ = step;
        }
    }
}

int PixelScale::edge(int canvas) const {
    return ratio_ == 1 ? canvas : int(std::lround(canvas * ratio_));
}

QRect PixelScale::toPixels(const QRect& area) const {
    if (ratio_ == 1 || area.isEmpty()) {
        return area;
    }
    return QRect(QPoint(edge(area.left()), edge(area.top())),
                 QPoint(edge(area.right() + 1) - 1, edge(area.bottom() + 1) - 1));
}

QPoint PixelScale::toPixel(QPoint canvas) const {
    if (ratio_ == 1) {
        return canvas;
    }
    return QPoint(int(std::floor((canvas.x() + 0.5) * ratio_)),
                  int(std::floor((canvas.y() + 0.5) * ratio_)));
}

QRect PixelScale::aligned(const QRect& area) const {
    if (step_ <= 1 || area.isEmpty()) {
        return area;
    }
    const int left = floorTo(area.left(), step_);
    const int top = floorTo(area.top(), step_);
    const int right = floorTo(area.right() + step_, step_);
    const int bottom = floorTo(area.bottom() + step_, step_);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

PixelWriter::PixelWriter(QImage& target, PixelScale scale)
    : scale_(scale), bits_(target.bits()), stride_(target.bytesPerLine()), picture_(target.rect()),
      bounds_(target.rect()) {}

void PixelWriter::setClip(const QRect& area) {
    bounds_ = scale_.toPixels(area).intersected(picture_);
}

void PixelWriter::fill(const QRect& area, QRgb colour) {
    fillPixels(scale_.toPixels(area), colour);
}

void PixelWriter::fillPixels(const QRect& pixels, QRgb colour) {
    const QRect r = pixels.intersected(bounds_);
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

bool PixelWriter::copy(const QRect& area, const QImage& picture) {
    if (picture.format() != QImage::Format_RGB32) {
        return false;
    }
    const QPoint at = scale_.toPixels(area).topLeft();
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

void copyPixels(const QImage& from, QImage& to, const QRect& area) {
    const QRect r = PixelScale(to).toPixels(area).intersected(to.rect());
    if (r.isEmpty()) {
        return;
    }
    const std::size_t bytes = std::size_t(r.width()) * 4;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        std::memcpy(to.scanLine(y) + std::size_t(r.left()) * 4,
                    from.constScanLine(y) + std::size_t(r.left()) * 4, bytes);
    }
}

// Source over: an opaque pixel replaces, a clear one leaves the target. An overlay is
// mostly long stretches of clear or opaque pixels, so eight at a time are tested whole.
void blendPixels(const QImage& over, QImage& target, const QRect& area) {
    const QRect r = PixelScale(target).toPixels(area).intersected(target.rect());
    constexpr int Block = 8;
    const auto blendOne = [](QRgb pixel, QRgb& to) {
        const uint alpha = qAlpha(pixel);
        if (alpha == 255) {
            to = pixel;
        } else if (alpha != 0) {
            const QRgb below = to;
            const uint keep = 255 - alpha;
            to = qRgb(qRed(pixel) + qRed(below) * keep / 255,
                      qGreen(pixel) + qGreen(below) * keep / 255,
                      qBlue(pixel) + qBlue(below) * keep / 255);
        }
    };
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(over.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(target.scanLine(y));
        int x = r.left();
        for (; x + Block <= r.right() + 1; x += Block) {
            QRgb any = 0;
            QRgb all = ~QRgb(0);
            for (int i = 0; i < Block; ++i) {
                any |= from[x + i];
                all &= from[x + i];
            }
            if (qAlpha(any) == 0) {
                continue;
            }
            if (qAlpha(all) == 255) {
                std::memcpy(to + x, from + x, Block * sizeof(QRgb));
                continue;
            }
            for (int i = 0; i < Block; ++i) {
                blendOne(from[x + i], to[x + i]);
            }
        }
        for (; x <= r.right(); ++x) {
            blendOne(from[x], to[x]);
        }
    }
}
