#include "catalogue/appliance_pictures.h"

#include "catalogue/picture_helpers.h"

#include <QPainter>
#include <QPainterPath>

#include <stdexcept>

namespace {

// A glowing disc: the light colour in the middle, fading to its rim.
void glow(QPainter& p, QPointF centre, double radius, const QColor& light) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, Qt::white);
    g.setColorAt(0.5, light);
    g.setColorAt(1.0, light.darker(115));
    p.setBrush(g);
    p.setPen(QPen(QColor(150, 150, 150), 0.8));
    p.drawEllipse(centre, radius, radius);
}

void roundLamp(QPainter& p, const QRectF& r, const QColor& light) {
    const double size = std::min(r.width(), r.height());
    p.setBrush(QColor(205, 208, 214));
    p.setPen(QPen(QColor(140, 140, 140), 1.0));
    p.drawEllipse(r.center(), size * 0.42, size * 0.42);
    glow(p, r.center(), size * 0.35, light);
}

void tubeLamp(QPainter& p, const QRectF& r, const QColor& light) {
    const QRectF cover = r.adjusted(7, 7, -7, -7);
    p.setBrush(QColor(205, 208, 214));
    p.setPen(QPen(QColor(140, 140, 140), 1.0));
    p.drawRoundedRect(cover, 3, 3);
    const QRectF diffuser = cover.adjusted(3, 3, -3, -3);
    QLinearGradient g(diffuser.topLeft(), diffuser.topRight());
    g.setColorAt(0.0, light.darker(108));
    g.setColorAt(0.5, Qt::white);
    g.setColorAt(1.0, light.darker(108));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(diffuser, 2, 2);
    // The two tubes seen through the diffuser.
    p.setPen(QPen(QColor(255, 255, 255, 230), 2.0));
    const double third = diffuser.width() / 3;
    for (const double x : {diffuser.left() + third, diffuser.left() + 2 * third}) {
        p.drawLine(QPointF(x, diffuser.top() + 4), QPointF(x, diffuser.bottom() - 4));
    }
}

void exhaustFan(QPainter& p, const QRectF& r, const QColor& dark) {
    const double size = std::min(r.width(), r.height());
    const QPointF centre = r.center();
    p.setBrush(QColor(60, 62, 66));
    p.setPen(QPen(dark, 1.0));
    p.drawEllipse(centre, size * 0.42, size * 0.42);
    p.save();
    p.translate(centre);
    QPainterPath blade;
    blade.moveTo(0, 0);
    blade.cubicTo(size * 0.12, -size * 0.08, size * 0.36, -size * 0.12, size * 0.38, 0);
    blade.cubicTo(size * 0.3, size * 0.08, size * 0.12, size * 0.08, 0, 0);
    p.setPen(QPen(QColor(120, 124, 130), 0.6));
    p.setBrush(QColor(220, 222, 226));
    for (int i = 0; i < 5; ++i) {
        p.drawPath(blade);
        p.rotate(72);
    }
    p.restore();
    p.setBrush(QColor(170, 172, 178));
    p.drawEllipse(centre, size * 0.08, size * 0.08);
    // The grille rings over the blades.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 240, 240, 150), 0.7));
    for (const double f : {0.2, 0.3, 0.4}) {
        p.drawEllipse(centre, size * f, size * f);
    }
}

// Four heating bulbs around a lamp, and the vent below them.
void bathHeater(QPainter& p, const QRectF& r, const QColor& heat) {
    const double w = r.width();
    const double bulb = w * 0.18;
    for (const double y : {r.top() + w * 0.3, r.top() + w * 0.8}) {
        for (const double x : {r.left() + w * 0.27, r.left() + w * 0.73}) {
            glow(p, QPointF(x, y), bulb, heat);
        }
    }
    glow(p, QPointF(r.center().x(), r.top() + w * 0.55), bulb * 0.6, QColor(255, 255, 230));
    const QRectF vent(r.left() + w * 0.15, r.top() + w * 1.2, w * 0.7, r.height() - w * 1.35);
    p.setBrush(QColor(215, 217, 222));
    p.setPen(QPen(QColor(140, 140, 140), 0.8));
    p.drawRoundedRect(vent, 2, 2);
    p.setPen(QPen(QColor(90, 92, 96), 1.2));
    for (double y = vent.top() + 3; y < vent.bottom() - 1; y += 3.5) {
        p.drawLine(QPointF(vent.left() + 3, y), QPointF(vent.right() - 3, y));
    }
}

// A frame around a milky diffuser lit from its edges.
void panelLight(QPainter& p, const QRectF& r, const QColor& light) {
    p.setBrush(QColor(190, 194, 200));
    p.setPen(Qt::NoPen);
    p.drawRect(r.adjusted(2, 2, -2, -2));
    const QRectF diffuser = r.adjusted(7, 7, -7, -7);
    QRadialGradient g(diffuser.center(), diffuser.width() * 0.75);
    g.setColorAt(0.0, light);
    g.setColorAt(0.7, Qt::white);
    g.setColorAt(1.0, light.lighter(102));
    p.setBrush(g);
    p.drawRect(diffuser);
    p.setPen(QPen(QColor(255, 255, 255), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(diffuser.adjusted(1, 1, -1, -1));
    p.setPen(QPen(QColor(200, 210, 225, 120), 0.6));
    for (double x = diffuser.left() + 8; x < diffuser.right(); x += 8) {
        p.drawLine(QPointF(x, diffuser.top() + 2), QPointF(x, diffuser.bottom() - 2));
    }
}

} // namespace

void paintAppliance(QImage& image, const Look& look) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = image.rect();
    p.fillRect(r, QColor(look.base));
    const QColor accent(look.accent);
    switch (look.motif) {
    case Motif::RoundLamp:
        roundLamp(p, r, accent);
        break;
    case Motif::TubeLamp:
        tubeLamp(p, r, accent);
        break;
    case Motif::ExhaustFan:
        exhaustFan(p, r, accent);
        break;
    case Motif::BathHeater:
        bathHeater(p, r, accent);
        break;
    case Motif::PanelLight:
        panelLight(p, r, accent);
        break;
    default:
        throw std::invalid_argument("not an appliance");
    }
    paintBevel(p, r);
}
