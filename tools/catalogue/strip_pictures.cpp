#include "catalogue/strip_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cmath>
#include <stdexcept>

namespace {

// The rounded face of the strip: lighter along the middle, darker at the edges.
void face(QPainter& p, const QRect& r, const QColor& base) {
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0.0, base.darker(112));
    g.setColorAt(0.35, base.lighter(108));
    g.setColorAt(0.65, base.lighter(104));
    g.setColorAt(1.0, base.darker(115));
    p.fillRect(r, g);
}

void groove(QPainter& p, const QRect& r, int y, const QColor& accent) {
    p.setPen(accent.darker(140));
    p.drawLine(r.left(), y, r.right(), y);
    p.setPen(QColor(255, 255, 255, 150));
    p.drawLine(r.left(), y + 1, r.right(), y + 1);
}

// Decorative grooves every 100 mm (20 pixels) across wide strips.
void innerGrooves(QPainter& p, const QRect& r, const QColor& accent) {
    for (int y = r.top() + 20; y < r.bottom() - 4; y += 20) {
        groove(p, r, y, accent);
    }
}

void woodLines(QPainter& p, const QRect& r, const QColor& dark, QRandomGenerator& random) {
    p.setRenderHint(QPainter::Antialiasing);
    for (int y = r.top() + 2; y < r.bottom() - 1; y += 2 + random.bounded(3)) {
        QColor line = dark;
        line.setAlpha(random.bounded(60, 190));
        p.setPen(QPen(line, 0.7));
        QPainterPath path(QPointF(r.left(), y));
        const double phase = random.bounded(628) / 100.0;
        for (int x = r.left(); x <= r.right(); x += 4) {
            path.lineTo(x, y + 1.2 * std::sin(phase + x / 18.0));
        }
        p.drawPath(path);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void reflection(QPainter& p, const QRect& r, const QColor& light) {
    QLinearGradient g(0, r.top(), 0, r.bottom());
    QColor clear = light;
    clear.setAlpha(0);
    g.setColorAt(0.2, clear);
    g.setColorAt(0.4, light);
    g.setColorAt(0.5, light);
    g.setColorAt(0.7, clear);
    p.fillRect(r, g);
}

} // namespace

void paintStrip(QImage& image, const Look& look, quint32 seed) {
    QRandomGenerator random(seed);
    QPainter p(&image);
    const QRect r = image.rect();
    const QColor base(look.base);
    const QColor accent(look.accent);
    face(p, r, base);
    switch (look.motif) {
    case Motif::GroovedStrip:
        innerGrooves(p, r, accent);
        break;
    case Motif::WoodStrip:
        woodLines(p, r, accent, random);
        break;
    case Motif::MirrorStrip:
        reflection(p, r, accent);
        break;
    default:
        throw std::invalid_argument("not a strip pattern");
    }
    // The clip-in edges along both sides of the strip.
    p.setPen(accent.darker(170));
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    groove(p, r, r.top() + 1, accent);
    groove(p, r, r.bottom() - 2, accent);
}
