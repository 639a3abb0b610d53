#include "catalogue/picture_helpers.h"

#include <QPainter>

QImage blankPicture(int widthMm, int heightMm, QRgb fill) {
    QImage image(pixelsForMm(widthMm), pixelsForMm(heightMm), QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void paintBevel(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor light(255, 255, 255, 170);
    const QColor dark(0, 0, 0, 90);
    for (int i = 0; i < 2; ++i) {
        const QRect r = rect.adjusted(i, i, -i, -i);
        painter.setPen(light);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(dark);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
    painter.restore();
}
