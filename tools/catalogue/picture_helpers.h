#pragma once

#include <QImage>
#include <QRect>

class QPainter;

// Product pictures have 1 pixel per 5 millimetres.
constexpr int pixelsForMm(int mm) {
    return mm * 2 / 10;
}

// A picture of the product's size filled with one colour.
QImage blankPicture(int widthMm, int heightMm, QRgb fill);

// The raised edge of a clip-in panel: light along the top and left, dark along the
// bottom and right.
void paintBevel(QPainter& painter, const QRect& rect);
