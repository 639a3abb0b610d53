#include "design/product_picture.h"

#include <QTransform>

namespace product_picture {

// Qt turns by quarter turns pixel for pixel: for a W x H source, a quarter turn sends
// (x, y) to (H - 1 - y, x) of an H x W picture, a half turn to (W - 1 - x, H - 1 - y),
// three quarters to (y, W - 1 - x).
QImage turned(const QImage& picture, int orientation) {
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    if (source.isNull() || orientation < 1 || orientation > 3) {
        return source;
    }
    return source.transformed(QTransform().rotate(90.0 * orientation));
}

std::optional<TColor> transparentColor(const QImage& picture) {
    if (picture.width() < 2 || picture.height() < 2) {
        return std::nullopt;
    }
    return fromQRgb(picture.pixel(1, 1));
}

} // namespace product_picture
