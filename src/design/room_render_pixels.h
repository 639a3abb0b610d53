#pragma once

#include <QImage>
#include <QRect>

// Direct writes into a 32-bit picture for the many small opaque rectangles and pictures of
// a grid: the same pixels a painter would give, without its per-call cost. Everything is
// clipped to the picture.
class PixelWriter {
public:
    explicit PixelWriter(QImage& target);

    void fill(const QRect& area, QRgb colour);
    // A rectangle's outermost pixels.
    void outline(const QRect& area, QRgb colour);
    // Copies an RGB32 picture with its top-left corner at `at`; false, and nothing
    // written, for any other format.
    bool copy(QPoint at, const QImage& picture);

private:
    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(bits_ + qsizetype(y) * stride_); }

    uchar* bits_;
    qsizetype stride_;
    QRect bounds_;
};
