#include "catalogue/decor_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

// A leaf: a pointed oval from `from` to `to`.
QPainterPath leaf(QPointF from, QPointF to, double bulge) {
    const QPointF along = to - from;
    const QPointF across(-along.y() * bulge, along.x() * bulge);
    QPainterPath path(from);
    path.quadTo(from + along / 2 + across, to);
    path.quadTo(from + along / 2 - across, from);
    return path;
}

// Scrolls and leaves growing from the top-left corner along both edges.
void cornerFlower(QPainter& p, const QRectF& r, const QColor& colour) {
    const double s = r.width();
    const QPointF corner = r.topLeft();
    p.setPen(QPen(colour.darker(150), 1.0));
    p.setBrush(colour);
    QPainterPath bar;
    bar.setFillRule(Qt::WindingFill);
    bar.addRect(QRectF(corner, QSizeF(s, s * 0.08)));
    bar.addRect(QRectF(corner, QSizeF(s * 0.08, s)));
    p.drawPath(bar.simplified());
    for (const double t : {0.3, 0.55, 0.8}) {
        p.drawPath(leaf(corner + QPointF(s * t, s * 0.08),
                        corner + QPointF(s * (t - 0.12), s * 0.28), 0.3));
        p.drawPath(leaf(corner + QPointF(s * 0.08, s * t),
                        corner + QPointF(s * 0.28, s * (t - 0.12)), 0.3));
    }
    p.drawPath(
        leaf(corner + QPointF(s * 0.08, s * 0.08), corner + QPointF(s * 0.45, s * 0.45), 0.25));
    p.setBrush(colour.lighter(120));
    p.drawEllipse(corner + QPointF(s * 0.18, s * 0.18), s * 0.07, s * 0.07);
}

// A round ceiling medallion: a ring of petals around a hub, inside a beaded rim.
void rosette(QPainter& p, const QRectF& r, const QColor& colour) {
    const QPointF c = r.center();
    const double radius = r.width() / 2;
    p.setPen(QPen(colour.darker(150), 1.0));
    p.setBrush(colour.darker(110));
    p.drawEllipse(c, radius, radius);
    p.setBrush(colour);
    p.drawEllipse(c, radius * 0.86, radius * 0.86);
    p.save();
    p.translate(c);
    p.setBrush(colour.lighter(115));
    for (int i = 0; i < 12; ++i) {
        p.drawPath(leaf(QPointF(0, -radius * 0.25), QPointF(0, -radius * 0.8), 0.25));
        p.rotate(30);
    }
    p.restore();
    p.setBrush(colour.darker(120));
    p.drawEllipse(c, radius * 0.24, radius * 0.24);
    p.setBrush(colour.lighter(130));
    for (int i = 0; i < 24; ++i) {
        const QPointF bead = c + QPointF(radius * 0.93 * std::cos(i * std::numbers::pi / 12),
                                         radius * 0.93 * std::sin(i * std::numbers::pi / 12));
        p.drawEllipse(bead, 1.5, 1.5);
    }
}

void ring(QPainter& p, const QRectF& r, const QColor& colour) {
    const QPointF c = r.center();
    const double radius = r.width() / 2;
    QPainterPath band;
    band.addEllipse(c, radius, radius);
    band.addEllipse(c, radius * 0.8, radius * 0.8);
    p.setPen(QPen(colour.darker(150), 1.0));
    p.setBrush(colour);
    p.drawPath(band);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.lighter(135), 2.0));
    p.drawEllipse(c, radius * 0.9, radius * 0.9);
}

// An auspicious cloud: overlapping puffs with curls.
void cloud(QPainter& p, const QRectF& r, const QColor& colour) {
    const double h = r.height();
    QPainterPath puffs;
    puffs.setFillRule(Qt::WindingFill);
    puffs.addEllipse(QPointF(r.left() + h * 0.55, r.top() + h * 0.58), h * 0.4, h * 0.36);
    puffs.addEllipse(QPointF(r.center().x(), r.top() + h * 0.42), h * 0.42, h * 0.4);
    puffs.addEllipse(QPointF(r.right() - h * 0.55, r.top() + h * 0.58), h * 0.4, h * 0.36);
    puffs.addRect(QRectF(r.left() + h * 0.5, r.top() + h * 0.55, r.width() - h, h * 0.38));
    p.setPen(QPen(colour.darker(150), 1.0));
    p.setBrush(colour);
    p.drawPath(puffs.simplified());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.lighter(160), 2.0));
    for (const QPointF curl : {QPointF(r.left() + h * 0.55, r.top() + h * 0.6),
                               QPointF(r.center().x(), r.top() + h * 0.45),
                               QPointF(r.right() - h * 0.55, r.top() + h * 0.6)}) {
        p.drawArc(QRectF(curl - QPointF(h * 0.18, h * 0.18), QSizeF(h * 0.36, h * 0.36)), 0,
                  270 * 16);
        p.drawArc(QRectF(curl - QPointF(h * 0.08, h * 0.08), QSizeF(h * 0.16, h * 0.16)), 90 * 16,
                  270 * 16);
    }
}

} // namespace

void paintFloating(QImage& image, const Look& look) {
    image.fill(look.base);
    QPainter p(&image);
    const QRectF area = QRectF(image.rect()).adjusted(3, 3, -4, -4);
    const QColor colour(look.accent);
    switch (look.motif) {
    case Motif::CornerFlower:
        cornerFlower(p, area, colour);
        break;
    case Motif::Rosette:
        rosette(p, area, colour);
        break;
    case Motif::Ring:
        ring(p, area, colour);
        break;
    case Motif::Cloud:
        cloud(p, area, colour);
        break;
    default:
        throw std::invalid_argument("not a floating product");
    }
}
