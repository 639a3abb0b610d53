#include "scene/scene_outline.h"

#include "core/arc_geometry.h"
#include "core/troom_wall.h"

#include <QLineF>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Epsilon = 1e-6;

double cross(QPointF o, QPointF a, QPointF b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

// Twice the signed area; positive runs clockwise on the plan (y down).
double doubleSignedArea(const std::vector<QPointF>& points) {
    double sum = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF a = points[i];
        const QPointF b = points[(i + 1) % points.size()];
        sum += a.x() * b.y() - b.x() * a.y();
    }
    return sum;
}

// The openings of the walls: a door or window end starts one over its wall when the next
// corner is its partner; the closing wall is never one.
std::vector<WallPiece> wallPieces(const troom_Wall& wall) {
    const int n = wall.pointCount();
    std::vector<WallPiece> pieces(std::size_t(n), WallPiece::Solid);
    for (int i = 0; i < n - 1; ++i) {
        const quint8 kind = wall.kind(i);
        if ((kind == DoorEnd || kind == WindowEnd) && wall.kind(i + 1) == kind) {
            pieces[std::size_t(i)] = kind == DoorEnd ? WallPiece::Door : WallPiece::Window;
            ++i;
        }
    }
    return pieces;
}

// The points strictly between the ends of the arc, each chord within the tolerance.
void appendArcInterior(const CircleArc& arc, std::vector<QPointF>& corners,
                       std::vector<WallPiece>& pieces) {
    const double radius = arc.circle.radius;
    const double maxStep =
        radius > ArcTolerance ? 2 * std::acos(1 - ArcTolerance / radius) : M_PI / 2;
    const double sweep = qDegreesToRadians(arc.sweepDegrees);
    const int steps = std::max(2, int(std::ceil(std::abs(sweep) / maxStep)));
    const double start = qDegreesToRadians(arc.startDegrees);
    for (int j = 1; j < steps; ++j) {
        const double a = start + sweep * j / steps;
        corners.emplace_back(arc.circle.centre.x() + radius * std::cos(a),
                             arc.circle.centre.y() - radius * std::sin(a));
        pieces.push_back(WallPiece::Solid);
    }
}

bool boxesOverlap(QPointF a, QPointF b, QPointF c, QPointF d) {
    return std::max(a.x(), b.x()) >= std::min(c.x(), d.x()) - Epsilon &&
           std::max(c.x(), d.x()) >= std::min(a.x(), b.x()) - Epsilon &&
           std::max(a.y(), b.y()) >= std::min(c.y(), d.y()) - Epsilon &&
           std::max(c.y(), d.y()) >= std::min(a.y(), b.y()) - Epsilon;
}

bool segmentsMeet(QPointF a, QPointF b, QPointF c, QPointF d) {
    if (!boxesOverlap(a, b, c, d)) {
        return false;
    }
    const double d1 = cross(c, d, a);
    const double d2 = cross(c, d, b);
    const double d3 = cross(a, b, c);
    const double d4 = cross(a, b, d);
    const auto sign = [](double v) { return v > Epsilon ? 1 : (v < -Epsilon ? -1 : 0); };
    if (sign(d1) * sign(d2) > 0 || sign(d3) * sign(d4) > 0) {
        return false;
    }
    return true; // crossing, touching or overlapping
}

bool crossesItself(const std::vector<QPointF>& points) {
    const std::size_t n = points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF a = points[i];
        const QPointF b = points[(i + 1) % n];
        for (std::size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1) {
                continue; // the closing edge shares corner 0
            }
            if (segmentsMeet(a, b, points[j], points[(j + 1) % n])) {
                return true;
            }
        }
    }
    return false;
}

void dropRepeatedCorners(SceneOutline& outline) {
    SceneOutline kept;
    for (int i = 0; i < outline.size(); ++i) {
        if (QLineF(outline.corners[std::size_t(i)], outline.next(i)).length() > Epsilon) {
            kept.corners.push_back(outline.corners[std::size_t(i)]);
            kept.pieces.push_back(outline.pieces[std::size_t(i)]);
        }
    }
    outline = std::move(kept);
}

void makeClockwise(SceneOutline& outline) {
    if (doubleSignedArea(outline.corners) >= 0) {
        return;
    }
    const int n = outline.size();
    SceneOutline turned;
    for (int j = 0; j < n; ++j) {
        turned.corners.push_back(outline.corners[std::size_t(n - 1 - j)]);
        turned.pieces.push_back(outline.pieces[std::size_t((2 * n - 2 - j) % n)]);
    }
    outline = std::move(turned);
}

// Sutherland-Hodgman: the polygon cut by one side of the rectangle.
template <typename Inside, typename Cut>
std::vector<QPointF> clipSide(const std::vector<QPointF>& polygon, Inside inside, Cut cut) {
    std::vector<QPointF> out;
    out.reserve(polygon.size() + 4);
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % polygon.size()];
        const bool aIn = inside(a);
        const bool bIn = inside(b);
        if (aIn) {
            out.push_back(a);
        }
        if (aIn != bIn) {
            out.push_back(cut(a, b));
        }
    }
    return out;
}

QPointF atX(QPointF a, QPointF b, double x) {
    const double t = (x - a.x()) / (b.x() - a.x());
    return {x, a.y() + t * (b.y() - a.y())};
}
QPointF atY(QPointF a, QPointF b, double y) {
    const double t = (y - a.y()) / (b.y() - a.y());
    return {a.x() + t * (b.x() - a.x()), y};
}

// Drops repeated corners and corners on a straight line through their neighbours.
std::vector<QPointF> simplified(const std::vector<QPointF>& polygon) {
    std::vector<QPointF> points = polygon;
    bool changed = true;
    while (changed && points.size() >= 3) {
        changed = false;
        for (std::size_t i = 0; i < points.size() && points.size() >= 3; ++i) {
            const QPointF prev = points[(i + points.size() - 1) % points.size()];
            const QPointF next = points[(i + 1) % points.size()];
            if (std::abs(cross(prev, points[i], next)) < Epsilon) {
                points.erase(points.begin() + std::ptrdiff_t(i));
                changed = true;
            }
        }
    }
    return points.size() >= 3 ? points : std::vector<QPointF>{};
}

std::vector<QPointF> rectangleCorners(const QRectF& rect) {
    return {rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft()};
}

} // namespace

QRectF SceneOutline::bounds() const {
    if (corners.empty()) {
        return {};
    }
    double minX = corners[0].x(), maxX = minX, minY = corners[0].y(), maxY = minY;
    for (const QPointF& p : corners) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    return QRectF(QPointF(minX, minY), QPointF(maxX, maxY));
}

QPointF SceneOutline::centreOfArea() const {
    const QPointF origin = corners.front(); // keeps the sums small
    double area = 0, x = 0, y = 0;
    for (int i = 0; i < size(); ++i) {
        const QPointF a = corners[std::size_t(i)] - origin;
        const QPointF b = next(i) - origin;
        const double term = a.x() * b.y() - b.x() * a.y();
        area += term;
        x += (a.x() + b.x()) * term;
        y += (a.y() + b.y()) * term;
    }
    return area == 0 ? origin : origin + QPointF(x, y) / (3 * area);
}

bool SceneOutline::contains(QPointF p) const {
    bool inside = false;
    for (int i = 0; i < size(); ++i) {
        const QPointF a = corners[std::size_t(i)];
        const QPointF b = next(i);
        if ((a.y() > p.y()) != (b.y() > p.y()) &&
            p.x() < a.x() + (p.y() - a.y()) * (b.x() - a.x()) / (b.y() - a.y())) {
            inside = !inside;
        }
    }
    return inside;
}

std::optional<SceneOutline> traceSceneOutline(const troom_Wall& wall) {
    const int n = wall.pointCount();
    if (n < 3) {
        return std::nullopt;
    }
    const std::vector<WallPiece> pieces = wallPieces(wall);
    SceneOutline outline;
    for (int i = 0; i < n; ++i) {
        const QPoint corner = wall.corner(i);
        if (isArcApex(wall.kind(i))) {
            const std::optional<CircleArc> arc =
                arcThrough(wall.corner(wall.prevIndex(i)), corner, wall.corner(wall.nextIndex(i)));
            if (arc) {
                appendArcInterior(*arc, outline.corners, outline.pieces);
                continue;
            }
        }
        outline.corners.emplace_back(corner);
        outline.pieces.push_back(pieces[std::size_t(i)]);
    }
    dropRepeatedCorners(outline);
    if (outline.size() < 3 || std::abs(doubleSignedArea(outline.corners)) < 2 * Epsilon ||
        crossesItself(outline.corners)) {
        return std::nullopt;
    }
    makeClockwise(outline);
    return outline;
}

std::vector<std::vector<QPointF>> clipToOutline(const SceneOutline& outline, const QRectF& rect) {
    bool edgeNear = false;
    for (int i = 0; i < outline.size() && !edgeNear; ++i) {
        edgeNear = boxesOverlap(outline.corners[std::size_t(i)], outline.next(i), rect.topLeft(),
                                rect.bottomRight());
    }
    if (!edgeNear) {
        if (outline.contains(rect.center())) {
            return {rectangleCorners(rect)};
        }
        return {};
    }
    std::vector<QPointF> piece = outline.corners;
    const double left = rect.left(), right = rect.right(), top = rect.top(), bottom = rect.bottom();
    piece = clipSide(
        piece, [left](QPointF p) { return p.x() >= left; },
        [left](QPointF a, QPointF b) { return atX(a, b, left); });
    piece = clipSide(
        piece, [right](QPointF p) { return p.x() <= right; },
        [right](QPointF a, QPointF b) { return atX(a, b, right); });
    piece = clipSide(
        piece, [top](QPointF p) { return p.y() >= top; },
        [top](QPointF a, QPointF b) { return atY(a, b, top); });
    piece = clipSide(
        piece, [bottom](QPointF p) { return p.y() <= bottom; },
        [bottom](QPointF a, QPointF b) { return atY(a, b, bottom); });
    piece = simplified(piece);
    if (piece.empty()) {
        return {};
    }
    const double area = std::abs(doubleSignedArea(piece)) / 2;
    if (area >= rect.width() * rect.height() - 1e-4) {
        return {rectangleCorners(rect)};
    }
    return {piece};
}
