#include "catalogue/panel_pictures.h"

#include "catalogue/picture_helpers.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

// Fine lengthwise lines of slightly varying lightness, with a soft diagonal sheen.
void brushed(QPainter& p, const QRect& r, const Look& look, QRandomGenerator& random) {
    const QColor base(look.base);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const int shift = random.bounded(-14, 15);
        p.setPen(base.lighter(100 + shift));
        p.drawLine(r.left(), y, r.right(), y);
    }
    QColor streak(look.accent);
    streak.setAlpha(70);
    p.setPen(streak);
    for (int i = 0; i < r.height() / 6; ++i) {
        const int y = random.bounded(r.top(), r.bottom() + 1);
        const int x = random.bounded(r.left(), r.left() + r.width() / 2);
        p.drawLine(x, y, x + random.bounded(r.width() / 4, r.width()), y);
    }
    QLinearGradient sheen(r.topLeft(), r.bottomRight());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.45, QColor(255, 255, 255, 90));
    sheen.setColorAt(0.55, QColor(255, 255, 255, 90));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(r, sheen);
}

// A regular grid of punched holes inside a plain margin.
void perforated(QPainter& p, const QRect& r, const Look& look) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(look.accent));
    const int step = 5;
    for (int y = r.top() + 5; y <= r.bottom() - 4; y += step) {
        for (int x = r.left() + 5; x <= r.right() - 4; x += step) {
            p.drawEllipse(QPointF(x, y), 1.1, 1.1);
        }
    }
}

void wave(QPainter& p, const QRect& r, const Look& look) {
    QPen pen(QColor(look.accent), 1.3);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double period = r.width() / 2.0;
    for (int y0 = r.top() + 3; y0 < r.bottom(); y0 += 6) {
        QPainterPath path;
        for (int x = r.left(); x <= r.right(); ++x) {
            const double y = y0 + 2.2 * std::sin(2 * std::numbers::pi * (x - r.left()) / period);
            x == r.left() ? path.moveTo(x, y) : path.lineTo(x, y);
        }
        p.drawPath(path);
    }
}

void petals(QPainter& p, QPointF centre, double length, int count, const QColor& colour) {
    p.save();
    p.translate(centre);
    p.setPen(QPen(colour.darker(130), 0.8));
    p.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        p.drawEllipse(QRectF(0, -length * 0.22, length, length * 0.44));
        p.rotate(360.0 / count);
    }
    p.restore();
}

// A flower in the middle and quarter flowers in the corners, so laid panels join.
void flower(QPainter& p, const QRect& r, const Look& look) {
    const QColor accent(look.accent);
    const double size = std::min(r.width(), r.height());
    const QPointF centre = QRectF(r).center();
    petals(p, centre, size * 0.36, 8, accent.lighter(140));
    petals(p, centre, size * 0.22, 8, accent);
    p.setBrush(QColor(250, 220, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, size * 0.06, size * 0.06);
    for (const QPointF corner : {QPointF(r.topLeft()), QPointF(r.topRight()),
                                 QPointF(r.bottomLeft()), QPointF(r.bottomRight())}) {
        petals(p, corner, size * 0.16, 8, accent.lighter(120));
    }
    p.setPen(QPen(accent.darker(110), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, size * 0.42, size * 0.42);
}

// Veins of varying width and strength over a speckled stone ground.
void marble(QPainter& p, const QRect& r, const Look& look, QRandomGenerator& random) {
    QColor speck(look.accent);
    for (int i = 0; i < r.width() * r.height() / 12; ++i) {
        speck.setAlpha(random.bounded(15, 45));
        p.setPen(speck);
        p.drawPoint(random.bounded(r.left(), r.right() + 1),
                    random.bounded(r.top(), r.bottom() + 1));
    }
    for (int i = 0; i < 5; ++i) {
        QColor vein(look.accent);
        vein.setAlpha(random.bounded(60, 170));
        p.setPen(QPen(vein, 0.5 + random.bounded(15) / 10.0));
        QPainterPath path(QPointF(r.left(), random.bounded(r.top(), r.bottom() + 1)));
        path.cubicTo(
            QPointF(r.left() + r.width() / 3.0, random.bounded(r.top(), r.bottom() + 1)),
            QPointF(r.left() + 2 * r.width() / 3.0, random.bounded(r.top(), r.bottom() + 1)),
            QPointF(r.right(), random.bounded(r.top(), r.bottom() + 1)));
        p.drawPath(path);
    }
}

void diamond(QPainter& p, const QRect& r, const Look& look) {
    const int step = 10;
    p.setPen(QPen(QColor(look.accent), 1.0));
    for (int d = -r.height(); d < r.width() + r.height(); d += step) {
        p.drawLine(r.left() + d, r.top(), r.left() + d + r.height(), r.bottom() + 1);
        p.drawLine(r.left() + d, r.bottom() + 1, r.left() + d + r.height(), r.top());
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(look.accent).darker(120));
    for (int y = r.top(); y <= r.bottom() + 1; y += step / 2) {
        const int offset = ((y - r.top()) / (step / 2)) % 2 ? step / 2 : 0;
        for (int x = r.left() + offset; x <= r.right() + 1; x += step) {
            p.drawEllipse(QPointF(x, y), 1.0, 1.0);
        }
    }
}

void honeycomb(QPainter& p, const QRect& r, const Look& look) {
    const double radius = 5.0;
    const double dx = radius * std::sqrt(3.0);
    const double dy = radius * 1.5;
    p.setPen(QPen(QColor(look.accent), 1.0));
    p.setBrush(QColor(look.base).lighter(106));
    int row = 0;
    for (double y = r.top(); y < r.bottom() + radius; y += dy, ++row) {
        for (double x = r.left() + (row % 2 ? dx / 2 : 0); x < r.right() + dx; x += dx) {
            QPolygonF hexagon;
            for (int k = 0; k < 6; ++k) {
                const double angle = std::numbers::pi / 6 + k * std::numbers::pi / 3;
                hexagon << QPointF(x + radius * std::cos(angle), y + radius * std::sin(angle));
            }
            p.drawPolygon(hexagon);
        }
    }
}

void ripple(QPainter& p, const QRect& r, const Look& look) {
    QColor ring(look.accent);
    const QPointF centre = QRectF(r).center();
    const double reach = std::hypot(r.width(), r.height()) / 2;
    p.setBrush(Qt::NoBrush);
    for (double radius = 3; radius < reach; radius += 4) {
        ring.setAlpha(radius < reach / 2 ? 220 : 140);
        p.setPen(QPen(ring, 1.1));
        p.drawEllipse(centre, radius, radius);
    }
}

// Grain along the panel's length (y), with one knot.
void woodGrain(QPainter& p, const QRect& r, const Look& look, QRandomGenerator& random) {
    const QColor dark(look.accent);
    for (int x = r.left(); x <= r.right(); x += 2 + random.bounded(3)) {
        QColor line = dark;
        line.setAlpha(random.bounded(60, 200));
        p.setPen(QPen(line, 0.6 + random.bounded(10) / 10.0));
        QPainterPath path(QPointF(x, r.top()));
        const double phase = random.bounded(628) / 100.0;
        for (int y = r.top(); y <= r.bottom(); y += 4) {
            path.lineTo(x + 1.5 * std::sin(phase + y / 14.0), y);
        }
        p.drawPath(path);
    }
    const QPointF knot(r.left() + r.width() * 0.65, r.top() + r.height() * 0.4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark, 0.9));
    for (int i = 1; i <= 3; ++i) {
        p.drawEllipse(knot, 1.5 * i, 3.5 * i);
    }
}

// Raised square cells between fine grooves.
void mesh(QPainter& p, const QRect& r, const Look& look) {
    const int step = 6;
    p.setPen(QPen(QColor(look.accent), 1.0));
    for (int x = r.left() + step; x < r.right(); x += step) {
        p.drawLine(x, r.top(), x, r.bottom());
    }
    for (int y = r.top() + step; y < r.bottom(); y += step) {
        p.drawLine(r.left(), y, r.right(), y);
    }
    p.setPen(QColor(255, 255, 255, 120));
    for (int x = r.left() + step + 1; x < r.right(); x += step) {
        p.drawLine(x, r.top(), x, r.bottom());
    }
}

// Polished metal: bands of reflection across the panel.
void mirror(QPainter& p, const QRect& r, const Look& look) {
    QLinearGradient shine(r.topLeft(), r.bottomRight());
    const QColor base(look.base);
    const QColor light(look.accent);
    shine.setColorAt(0.0, base.darker(115));
    shine.setColorAt(0.3, light);
    shine.setColorAt(0.4, base);
    shine.setColorAt(0.6, base.darker(110));
    shine.setColorAt(0.7, light);
    shine.setColorAt(1.0, base.darker(120));
    p.fillRect(r, shine);
}

// A square spiral with its corner at (x, y), turning inwards.
void keySpiral(QPainter& p, QPointF at, double size) {
    QPainterPath path(at);
    double x = at.x(), y = at.y(), s = size;
    path.lineTo(x + s, y);
    path.lineTo(x + s, y + s);
    path.lineTo(x + s * 0.25, y + s);
    path.lineTo(x + s * 0.25, y + s * 0.25);
    path.lineTo(x + s * 0.75, y + s * 0.25);
    path.lineTo(x + s * 0.75, y + s * 0.75);
    path.lineTo(x + s * 0.5, y + s * 0.75);
    p.drawPath(path);
}

// The Chinese key pattern: a double frame with key spirals around a centre key.
void meander(QPainter& p, const QRect& r, const Look& look) {
    const QColor accent(look.accent);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(accent, 2.0));
    const QRectF outer = QRectF(r).adjusted(6, 6, -6, -6);
    p.drawRect(outer);
    p.setPen(QPen(accent, 1.0));
    p.drawRect(outer.adjusted(4, 4, -4, -4));
    p.setPen(QPen(accent, 1.6));
    const double key = outer.width() / 8;
    for (double x = outer.left() + 6; x + key < outer.right() - 4; x += key * 1.25) {
        keySpiral(p, QPointF(x, outer.top() + 6), key * 0.9);
        keySpiral(p, QPointF(x, outer.bottom() - 6 - key * 0.9), key * 0.9);
    }
    const QPointF centre = outer.center();
    keySpiral(p, centre - QPointF(key * 1.5, key * 1.5), key * 3);
}

void starShape(QPainter& p, QPointF centre, double outer, double inner, int points) {
    QPolygonF star;
    for (int k = 0; k < 2 * points; ++k) {
        const double radius = k % 2 ? inner : outer;
        const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / points;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    p.drawPolygon(star);
}

// A large eight-pointed star and scattered sparkles on a dark ground.
void star(QPainter& p, const QRect& r, const Look& look, QRandomGenerator& random) {
    const QColor accent(look.accent);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        p.setBrush(accent.lighter(100 + random.bounded(30)));
        const QPointF at(random.bounded(r.left() + 4, r.right() - 3),
                         random.bounded(r.top() + 4, r.bottom() - 3));
        starShape(p, at, 2.5 + random.bounded(3), 0.8, 4);
    }
    const double size = std::min(r.width(), r.height());
    QRadialGradient glow(QRectF(r).center(), size * 0.4);
    glow.setColorAt(0, accent.lighter(130));
    glow.setColorAt(1, accent.darker(120));
    p.setBrush(glow);
    p.setPen(QPen(accent.darker(140), 1.0));
    starShape(p, QRectF(r).center(), size * 0.36, size * 0.15, 8);
}

// Four squares of two shades with grooves between them.
void checker(QPainter& p, const QRect& r, const Look& look) {
    const int cells = 4;
    const double w = r.width() / double(cells), h = r.height() / double(cells);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < cells; ++i) {
        for (int j = 0; j < cells; ++j) {
            p.setBrush((i + j) % 2 ? QColor(look.accent) : QColor(look.base));
            p.drawRect(QRectF(r.left() + i * w, r.top() + j * h, w, h));
        }
    }
    p.setPen(QPen(QColor(look.accent).darker(130), 1.0));
    for (int i = 1; i < cells; ++i) {
        p.drawLine(QPointF(r.left() + i * w, r.top()), QPointF(r.left() + i * w, r.bottom()));
        p.drawLine(QPointF(r.left(), r.top() + i * h), QPointF(r.right(), r.top() + i * h));
    }
}

// A plain surface with the faintest grain.
void matte(QPainter& p, const QRect& r, const Look& look, QRandomGenerator& random) {
    QColor grain(look.accent);
    for (int i = 0; i < r.width() * r.height() / 20; ++i) {
        grain.setAlpha(random.bounded(10, 30));
        p.setPen(grain);
        p.drawPoint(random.bounded(r.left(), r.right() + 1),
                    random.bounded(r.top(), r.bottom() + 1));
    }
}

} // namespace

void paintSquarePanel(QImage& image, const Look& look, quint32 seed) {
    QRandomGenerator random(seed);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = image.rect();
    p.fillRect(r, QColor(look.base));
    switch (look.motif) {
    case Motif::Brushed:
        brushed(p, r, look, random);
        break;
    case Motif::Perforated:
        perforated(p, r, look);
        break;
    case Motif::Wave:
        wave(p, r, look);
        break;
    case Motif::Flower:
        flower(p, r, look);
        break;
    case Motif::Marble:
        marble(p, r, look, random);
        break;
    case Motif::Diamond:
        diamond(p, r, look);
        break;
    case Motif::Honeycomb:
        honeycomb(p, r, look);
        break;
    case Motif::Ripple:
        ripple(p, r, look);
        break;
    case Motif::WoodGrain:
        woodGrain(p, r, look, random);
        break;
    case Motif::Mesh:
        mesh(p, r, look);
        break;
    case Motif::Mirror:
        mirror(p, r, look);
        break;
    case Motif::Meander:
        meander(p, r, look);
        break;
    case Motif::Star:
        star(p, r, look, random);
        break;
    case Motif::Checker:
        checker(p, r, look);
        break;
    case Motif::Matte:
        matte(p, r, look, random);
        break;
    default:
        throw std::invalid_argument("not a square panel pattern");
    }
    paintBevel(p, r);
}
