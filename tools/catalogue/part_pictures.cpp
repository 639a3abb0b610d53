#include "catalogue/part_pictures.h"

#include <QPainter>

#include <stdexcept>

namespace {

// A metal bar seen from the side, with a light upper and a dark lower edge.
void bar(QPainter& p, const QRect& r, const QColor& metal) {
    p.fillRect(r, metal);
    p.setPen(metal.lighter(125));
    p.drawLine(r.topLeft(), r.topRight());
    p.setPen(metal.darker(150));
    p.drawLine(r.bottomLeft(), r.bottomRight());
}

// A U-channel with its hanger slots.
void mainKeel(QPainter& p, const QRect& r, const QColor& metal) {
    bar(p, r, metal);
    p.setPen(metal.darker(130));
    p.drawLine(r.left(), r.top() + 2, r.right(), r.top() + 2);
    p.setBrush(metal.darker(170));
    p.setPen(Qt::NoPen);
    for (int x = r.left() + 8; x + 6 < r.right(); x += 20) {
        p.drawRect(x, r.center().y(), 6, 1);
    }
}

// A bar with the triangular teeth that hold the panel edges.
void triangleKeel(QPainter& p, const QRect& r, const QColor& metal) {
    bar(p, QRect(r.left(), r.top(), r.width(), r.height() / 2), metal);
    p.setPen(metal.darker(150));
    p.setBrush(metal);
    for (int x = r.left(); x + 6 <= r.right(); x += 8) {
        const QPoint teeth[] = {{x, r.center().y()}, {x + 6, r.center().y()}, {x + 3, r.bottom()}};
        p.drawPolygon(teeth, 3);
    }
}

// A flat strap with a hole for the rod and a hook that grips the keel.
void hanger(QPainter& p, const QRect& r, const QColor& metal) {
    const QRect strap(r.center().x() - 3, r.top(), 6, r.height() * 2 / 3);
    bar(p, strap, metal);
    p.setBrush(metal.darker(200));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(strap.center().x(), strap.top() + 3), 1, 1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(metal.darker(120), 2));
    p.drawArc(
        QRect(r.left() + 1, strap.bottom() - 4, r.width() - 3, r.bottom() - strap.bottom() + 2),
        180 * 16, 180 * 16);
}

// A plate with two bolt holes.
void connector(QPainter& p, const QRect& r, const QColor& metal) {
    const QRect plate = r.adjusted(1, 3, -1, -3);
    bar(p, plate, metal);
    p.setBrush(metal.darker(200));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(plate.left() + plate.width() / 4, plate.center().y()), 1, 1);
    p.drawEllipse(QPoint(plate.right() - plate.width() / 4, plate.center().y()), 1, 1);
}

// An L profile: a thin wall leg above a wider flange.
void edgeTrim(QPainter& p, const QRect& r, const QColor& metal) {
    bar(p, QRect(r.left(), r.top(), r.width(), 2), metal);
    bar(p, QRect(r.left(), r.top() + 2, r.width(), r.height() - 2), metal.darker(110));
}

// A vertical rod with its thread.
void threadedRod(QPainter& p, const QRect& r, const QColor& metal) {
    const QRect rod(r.center().x() - 1, r.top(), 3, r.height());
    p.fillRect(rod, metal);
    p.setPen(metal.darker(160));
    for (int y = rod.top(); y < rod.bottom(); y += 2) {
        p.drawLine(rod.left() - 1, y, rod.right() + 1, y + 1);
    }
}

} // namespace

void paintInstallationPart(QImage& image, const Look& look) {
    image.fill(look.base);
    QPainter p(&image);
    const QRect area = image.rect().adjusted(2, 2, -2, -2);
    const QColor metal(look.accent);
    switch (look.motif) {
    case Motif::MainKeel:
        mainKeel(p, area, metal);
        break;
    case Motif::TriangleKeel:
        triangleKeel(p, area, metal);
        break;
    case Motif::Hanger:
        hanger(p, area, metal);
        break;
    case Motif::Connector:
        connector(p, area, metal);
        break;
    case Motif::EdgeTrim:
        edgeTrim(p, area, metal);
        break;
    case Motif::ThreadedRod:
        threadedRod(p, area, metal);
        break;
    default:
        throw std::invalid_argument("not an installation part");
    }
}
