#pragma once

#include <QImage>
#include <QRect>

// Canvas pixels to the physical pixels of a picture drawn at a device pixel ratio. Each
// edge is rounded on its own, so areas that meet on the canvas meet in the picture and
// areas apart on the canvas stay apart.
class PixelScale {
public:
    explicit PixelScale(qreal ratio = 1);
    explicit PixelScale(const QImage& target) : PixelScale(target.devicePixelRatio()) {}

    qreal ratio() const { return ratio_; }
    int edge(int canvas) const;
    // The physical pixels of the canvas pixels of `area`.
    QRect toPixels(const QRect& area) const;
    // The physical pixel at the middle of a canvas pixel.
    QPoint toPixel(QPoint canvas) const;
    // False for a ratio whose areas cannot be aligned to whole physical pixels.
    bool aligns() const { return step_ > 0; }
    // The area grown until every edge falls on a whole physical pixel, so that a painter
    // clipped to it and a copy of its pixels cover the same physical pixels.
    QRect aligned(const QRect& area) const;

private:
    qreal ratio_;
    int step_; // canvas pixels between two edges on whole physical pixels, 0 when none
};

// Direct writes into a 32-bit picture for the many small opaque rectangles and pictures of
// a grid: the same pixels a painter would give, without its per-call cost. Areas are in
// canvas pixels; everything is clipped to the picture and to the clip area.
class PixelWriter {
public:
    PixelWriter(QImage& target, PixelScale scale);

    void setClip(const QRect& area);
    void fill(const QRect& area, QRgb colour);
    // A rectangle's outermost pixels.
    void outline(const QRect& area, QRgb colour);
    // Copies an RGB32 picture of the physical size of `area` into it; false, and nothing
    // written, for any other format.
    bool copy(const QRect& area, const QImage& picture);

private:
    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(bits_ + qsizetype(y) * stride_); }
    void fillPixels(const QRect& pixels, QRgb colour);

    PixelScale scale_;
    uchar* bits_;
    qsizetype stride_;
    QRect picture_;
    QRect bounds_;
};

// Copies the physical pixels of a canvas area between two pictures of the same size.
void copyPixels(const QImage& from, QImage& to, const QRect& area);
// Lays a premultiplied picture of the target's size over the target within a canvas area.
void blendPixels(const QImage& over, QImage& target, const QRect& area);
