#include "design/room_render.h"

#include "core/arc_geometry.h"
#include "design/room_render_pixels.h"
#include "platform/flood_fill.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace room_render {

namespace {

QPointF toPointF(QPoint p) {
    return QPointF(p);
}

// The outline on the target as one connected line: straight walls and, for each arc
// apex, the arc from its previous to its next corner (a collinear apex stays straight).
QPainterPath tracedOnTarget(const troom_Wall& wall) {
    const QList<QPoint>& p = wall.canvasPoints();
    const int n = wall.pointCount();
    QPainterPath path;
    path.moveTo(toPointF(p[isArcApex(wall.kind(0)) ? n - 1 : 0]));
    for (int i = 0; i < n; ++i) {
        if (!isArcApex(wall.kind(i))) {
            path.lineTo(toPointF(p[i]));
            continue;
        }
        const QPoint from = p[wall.prevIndex(i)];
        const QPoint to = p[wall.nextIndex(i)];
        path.lineTo(toPointF(from));
        if (const std::optional<CircleArc> arc = arcThrough(from, p[i], to)) {
            const Circle& c = arc->circle;
            path.arcTo(QRectF(c.centre.x() - c.radius, c.centre.y() - c.radius, 2 * c.radius,
                              2 * c.radius),
                       arc->startDegrees, arc->sweepDegrees);
        } else {
            path.lineTo(toPointF(p[i]));
        }
        path.lineTo(toPointF(to));
        ++i;
    }
    path.closeSubpath();
    return path;
}

QPoint rounded(QPointF p) {
    return QPoint(qRound(p.x()), qRound(p.y()));
}

// Points just inside the outline: one per arc, one per convex corner between plain ones.
std::vector<QPoint> seedPoints(TRoom_OBJ& room) {
    const troom_Wall& wall = room.wall;
    const int n = wall.pointCount();
    std::vector<QPoint> seeds;
    const double area = room.outlineArea(-1, true);
    for (int j = 0; j < n; ++j) {
        const QPointF previous(wall.canvasPoint(wall.prevIndex(j)));
        const QPointF here(wall.canvasPoint(j));
        const QPointF next(wall.canvasPoint(wall.nextIndex(j)));
        if (isArcApex(wall.kind(j))) {
            seeds.push_back(rounded((previous + here + 2 * next) / 4));
        } else if (!isArcApex(wall.kind(wall.prevIndex(j))) &&
                   !isArcApex(wall.kind(wall.nextIndex(j))) && room.outlineArea(j, true) < area) {
            seeds.push_back(rounded((here + 0.1 * (previous + next) / 2) / 1.1));
        }
    }
    return seeds;
}

// The points tried, in order, for a part of the room that no seed reached.
std::vector<QPoint> probePoints(QSize size, const std::function<bool(QPoint)>& inside) {
    const int w = size.width();
    const int h = size.height();
    std::vector<QPoint> probes;
    for (int j = 0; j < 16; ++j) {
        probes.push_back({w / 5 * (j % 4 + 1), h / 5 * (j / 4 + 1)});
    }
    for (int j = 0; j <= 20; ++j) {
        const QPoint top(j * (w / 20) + 5, 5);
        probes.push_back(inside(top) ? top : QPoint(top.x(), h - 5));
    }
    for (int j = 0; j <= 15; ++j) {
        const QPoint left(5, j * (h / 15) + 5);
        probes.push_back(inside(left) ? left : QPoint(w - 5, left.y()));
    }
    return probes;
}

QPen widePen(TColor colour, int width) {
    if (width <= 1) {
        return QPen(toQColor(colour), 0);
    }
    return QPen(toQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Degrees of a direction in QPainter's convention (counter-clockwise, y downwards).
double qtAngle(QPointF direction) {
    return qRadiansToDegrees(std::atan2(-direction.y(), direction.x()));
}

// A door's leaf stands at its end corner (the hinge), as long as the opening and at right
// angles to it; the swing is the quarter circle from the opening's start to the leaf.
void drawDoorLeaf(QPainter& p, QPoint start, QPoint hinge) {
    const QPoint opening = hinge - start;
    const QPoint leafEnd = hinge + QPoint(-opening.y(), opening.x());
    p.drawLine(hinge, leafEnd);
    const double radius = QLineF(start, hinge).length();
    const double from = qtAngle(start - hinge);
    double sweep = qtAngle(leafEnd - hinge) - from;
    if (sweep > 180) {
        sweep -= 360;
    } else if (sweep < -180) {
        sweep += 360;
    }
    const QRectF circle(hinge.x() - radius, hinge.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(circle, qRound(from * 16), qRound(sweep * 16));
}

} // namespace

void MaskOverlay::build(TRoom_OBJ& room, QSize size, qreal ratio, TRoom_OBJ::RenderTarget kind) {
    const QSize pixels(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio)));
    if (overlay_.size() != pixels) {
        overlay_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    }
    overlay_.setDevicePixelRatio(ratio);
    overlay_.fill(toQRgb(colors::White));
    if (room.wall.hasArcApex()) {
        floodInside(room, size);
    } else {
        QPainter p(&overlay_);
        preparePainter(p);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.setPen(QPen(toQColor(colors::Black), 0));
        p.setBrush(Qt::transparent);
        p.drawPolygon(room.wall.canvasPoints().constData(), int(room.wall.pointCount()));
    }
    drawOpenings(room, kind);
}

// The outline is drawn in black and its inside flooded with the key colour, which then
// becomes see-through.
void MaskOverlay::floodInside(TRoom_OBJ& room, QSize size) {
    {
        QPainter p(&overlay_);
        preparePainter(p);
        p.strokePath(tracedOnTarget(room.wall), QPen(toQColor(colors::Black), 0));
    }
    // Only points that lie in the room are flooded, so a seed that a sharp corner puts
    // outside the walls cannot turn the outside see-through.
    const auto inside = [&room](QPoint target) {
        const QPoint plan = room.wall.canvasToPlan(target);
        return room.insideMask(plan.x(), plan.y());
    };
    const PixelScale scale(overlay_);
    const auto flood = [this, &scale](QPoint target) {
        const QPoint at = scale.toPixel(target);
        flood::fillToBorder(overlay_, at.x(), at.y(), colors::Black, MaskKey);
    };
    for (const QPoint seed : seedPoints(room)) {
        if (inside(seed)) {
            flood(seed);
        }
    }
    for (const QPoint probe : probePoints(size, inside)) {
        if (inside(probe)) {
            flood(probe);
            break;
        }
    }
    const QRgb key = toQRgb(MaskKey);
    const int width = overlay_.width();
    for (int y = 0; y < overlay_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(overlay_.scanLine(y));
        std::replace(line, line + width, key, QRgb(0));
    }
}

// Windows: blue with a white core; doors green. An opening runs from its corner to the
// next; the corner after an opening starts none. The closing wall is never an opening.
void MaskOverlay::drawOpenings(TRoom_OBJ& room, TRoom_OBJ::RenderTarget kind) {
    const troom_Wall& wall = room.wall;
    QPainter p(&overlay_);
    preparePainter(p);
    for (int i = 0; i + 1 < wall.pointCount(); ++i) {
        const QPoint a = wall.canvasPoint(i);
        const QPoint b = wall.canvasPoint(i + 1);
        if (wall.kind(i) == WindowEnd) {
            p.setPen(widePen(colors::Blue, 5));
            p.drawLine(a, b);
            p.setPen(widePen(colors::White, 3));
            p.drawLine(b, a);
            p.setPen(widePen(colors::Blue, 1));
            p.drawLine(a, b);
            ++i;
        } else if (wall.kind(i) == DoorEnd) {
            p.setPen(widePen(colors::Green, 5));
            p.drawLine(a, b);
            if (kind == TRoom_OBJ::RenderTarget::Canvas) {
                p.setPen(widePen(colors::Green, 1));
                drawDoorLeaf(p, a, b);
            }
            ++i;
        }
    }
}

void MaskOverlay::drawOver(QImage& target, const QRect& area) const {
    blendPixels(overlay_, target, area);
}

} // namespace room_render

void TRoom_OBJ::roomMaskOverlay(QImage& target, RenderTarget kind) {
    // Each thread keeps its overlay's buffer for the next picture of the same size.
    thread_local room_render::MaskOverlay overlay;
    overlay.build(*this, target.deviceIndependentSize().toSize(), target.devicePixelRatio(), kind);
    overlay.drawOver(target, target.rect());
}
