#pragma once

#include "core/tdianqi_rec.h"

#include <QImage>

// Reads the room mask row by row, straight from its pixel rows: white outside the room,
// red on the outline, black inside. The bitmap's top-left pixel lies at plan point
// `origin`; points beyond the bitmap are outside (white). The mask must not change while
// a reader is in use.
class MaskReader {
public:
    MaskReader(const QImage& mask, QPoint origin);

    bool inside(int x, int y) const { return !white(x, y); }
    bool white(int x, int y) const { return colourAt(x, y) == WhiteRgb; }
    bool red(int x, int y) const { return colourAt(x, y) == RedRgb; }
    // Whether more than `threshold` pixels of a plan rectangle (both edges included) are
    // inside. Counting stops as soon as the answer is known, which for a panel on the
    // outline is usually well before the last row.
    bool insideMoreThan(const ObjectBox& box, qint64 threshold) const;

private:
    static constexpr QRgb WhiteRgb = 0xFFFFFF;
    static constexpr QRgb RedRgb = 0xFF0000;

    QRgb colourAt(int x, int y) const {
        x -= originX_;
        y -= originY_;
        if (x < 0 || y < 0 || x >= width_ || y >= height_) {
            return WhiteRgb;
        }
        return row(y)[x] & 0xFFFFFF;
    }
    const QRgb* row(int y) const {
        return reinterpret_cast<const QRgb*>(bits_ + qsizetype(y) * bytesPerLine_);
    }

    QImage converted_; // only when the mask is not 32-bit RGB
    const uchar* bits_ = nullptr;
    qsizetype bytesPerLine_ = 0;
    int originX_ = 0;
    int originY_ = 0;
    int width_ = 0;
    int height_ = 0;
};
