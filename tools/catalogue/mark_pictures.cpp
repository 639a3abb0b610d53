#include "catalogue/mark_pictures.h"

#include <QPainter>

#include <stdexcept>

namespace {

void directionArrow(QPainter& p, const QRectF& r, const QColor& colour) {
    const double w = r.width(), h = r.height();
    const QPointF points[] = {
        r.topLeft() + QPointF(0, h * 0.38),       r.topLeft() + QPointF(w * 0.6, h * 0.38),
        r.topLeft() + QPointF(w * 0.6, h * 0.15), r.topLeft() + QPointF(w, h * 0.5),
        r.topLeft() + QPointF(w * 0.6, h * 0.85), r.topLeft() + QPointF(w * 0.6, h * 0.62),
        r.topLeft() + QPointF(0, h * 0.62)};
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(colour);
    p.drawPolygon(points, 7);
}

// A circle with cross hairs through its middle.
void centrePoint(QPainter& p, const QRectF& r, const QColor& colour) {
    const QPointF c = r.center();
    p.setPen(QPen(colour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r.width() * 0.3, r.height() * 0.3);
    p.drawLine(QPointF(r.left(), c.y()), QPointF(r.right(), c.y()));
    p.drawLine(QPointF(c.x(), r.top()), QPointF(c.x(), r.bottom()));
    p.setBrush(colour);
    p.drawEllipse(c, 2, 2);
}

// The opening in the ceiling: a dashed square with its diagonals.
void accessHatch(QPainter& p, const QRectF& r, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 2, Qt::DashLine));
    p.drawRect(r);
    p.setPen(QPen(colour, 1));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

// The elevation symbol: a triangle standing on its point over a line.
void levelMark(QPainter& p, const QRectF& r, const QColor& colour) {
    const double w = r.width(), h = r.height();
    const QPointF triangle[] = {r.topLeft() + QPointF(w * 0.25, h * 0.3),
                                r.topLeft() + QPointF(w * 0.75, h * 0.3),
                                r.topLeft() + QPointF(w * 0.5, h * 0.7)};
    p.setPen(QPen(colour, 1));
    p.setBrush(colour);
    p.drawPolygon(triangle, 3);
    p.setPen(QPen(colour, 2));
    p.drawLine(r.topLeft() + QPointF(0, h * 0.7), r.topLeft() + QPointF(w, h * 0.7));
    p.drawLine(r.topLeft() + QPointF(w * 0.5, h * 0.3), r.topLeft() + QPointF(w * 0.5, h * 0.1));
}

} // namespace

void paintMark(QImage& image, const Look& look) {
    image.fill(look.base);
    QPainter p(&image);
    const QRectF area = QRectF(image.rect()).adjusted(4, 4, -5, -5);
    const QColor colour(look.accent);
    switch (look.motif) {
    case Motif::DirectionArrow:
        directionArrow(p, area, colour);
        break;
    case Motif::CentrePoint:
        centrePoint(p, area, colour);
        break;
    case Motif::AccessHatch:
        accessHatch(p, area, colour);
        break;
    case Motif::LevelMark:
        levelMark(p, area, colour);
        break;
    default:
        throw std::invalid_argument("not a mark");
    }
}
