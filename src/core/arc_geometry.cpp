#include "core/arc_geometry.h"

#include <QLineF>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

// 2π as the area term has always used it.
constexpr double fullTurn = 6.2831852;

// Angle of `p` around `centre`, counter-clockwise on the canvas, in [0, 360).
double canvasAngle(QPointF centre, QPoint p) {
    const double a = qRadiansToDegrees(std::atan2(centre.y() - p.y(), p.x() - centre.x()));
    return a < 0 ? a + 360.0 : a;
}

// Degrees from one angle to another going counter-clockwise, in [0, 360).
double counterClockwiseSpan(double from, double to) {
    return std::fmod(to - from + 720.0, 360.0);
}

} // namespace

bool collinear(QPoint a, QPoint b, QPoint c) {
    const qint64 cross =
        qint64(b.x() - a.x()) * (c.y() - a.y()) - qint64(b.y() - a.y()) * (c.x() - a.x());
    return cross == 0;
}

std::optional<Circle> circleThrough(QPoint a, QPoint b, QPoint c) {
    if (collinear(a, b, c)) {
        return std::nullopt;
    }
    const double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y(), cx = c.x(), cy = c.y();
    const double d = 2.0 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
    const double a2 = ax * ax + ay * ay;
    const double b2 = bx * bx + by * by;
    const double c2 = cx * cx + cy * cy;
    const QPointF centre((a2 * (by - cy) + b2 * (cy - ay) + c2 * (ay - by)) / d,
                         (a2 * (cx - bx) + b2 * (ax - cx) + c2 * (bx - ax)) / d);
    return Circle{centre, QLineF(centre, QPointF(a)).length()};
}

std::optional<CircleArc> arcThrough(QPoint from, QPoint apex, QPoint to) {
    const std::optional<Circle> circle = circleThrough(from, apex, to);
    if (!circle) {
        return std::nullopt;
    }
    const double start = canvasAngle(circle->centre, from);
    const double toEnd = counterClockwiseSpan(start, canvasAngle(circle->centre, to));
    const double toApex = counterClockwiseSpan(start, canvasAngle(circle->centre, apex));
    // Counter-clockwise when the apex comes before the end that way, else clockwise.
    const double sweep = toApex < toEnd ? toEnd : toEnd - 360.0;
    return CircleArc{*circle, start, sweep};
}

double triangleArea(QPointF a, QPointF b, QPointF c) {
    const double ab = QLineF(a, b).length();
    const double bc = QLineF(b, c).length();
    const double ca = QLineF(c, a).length();
    const double s = (ab + bc + ca) / 2.0;
    return std::sqrt(std::max(0.0, s * (s - ab) * (s - bc) * (s - ca)));
}

double arcTerm(QPoint previous, QPoint apex, QPoint next) {
    const std::optional<Circle> circle = circleThrough(previous, apex, next);
    if (!circle) {
        return 0;
    }
    const double r2 = circle->radius * circle->radius;
    const double chord = QLineF(previous, next).length();
    const double theta = std::acos(std::clamp((2 * r2 - chord * chord) / (2 * r2), -1.0, 1.0));
    const double centreTriangle = r2 * std::sin(theta) / 2;
    const QPointF c = circle->centre;
    const double triangle = triangleArea(previous, apex, next);
    // The centre inside the triangle means the arc through the apex is the major arc.
    const bool major = triangleArea(c, apex, previous) + triangleArea(c, apex, next) <= triangle;
    const double segment =
        major ? centreTriangle + r2 * (fullTurn - theta) / 2 : r2 * theta / 2 - centreTriangle;
    return (segment - triangle) / 10000.0;
}
