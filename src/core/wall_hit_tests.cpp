#include "core/troom_wall.h"

#include "core/rounding.h"

#include <algorithm>
#include <cmath>

using rounding::halfEven;

namespace {

// Degrees per radian as the angles have always been computed (not 180 / pi).
constexpr double degreesPerRadian = 57.29;

} // namespace

int troom_Wall::findCorner(QPoint p) const {
    int found = -1;
    for (int i = 0; i < int(canvasPoints_.size()); ++i) {
        if (distance(canvasPoints_[i], p) <= 10 && kinds_[i] != UnpickableCorner) {
            found = i;
        }
    }
    return found;
}

WallHit troom_Wall::findWall(QPoint p) const {
    const int n = int(canvasPoints_.size());
    if (n < 3) {
        return {};
    }
    for (int i = 0; i < n; ++i) {
        const QPoint a = canvasPoints_[i];
        const QPoint b = canvasPoints_[(i + 1) % n];
        const double length = distance(a, b);
        const double cross =
            double(b.x() - a.x()) * (p.y() - a.y()) - double(b.y() - a.y()) * (p.x() - a.x());
        const double d = length == 0 ? 0 : std::abs(cross) / length;
        if (d < 5 && length + 10 > distance(a, p) + distance(p, b)) {
            return {i, (i + 1) % n};
        }
    }
    return {};
}

QPoint troom_Wall::footOnLine(QPoint a, QPoint b, QPoint p) {
    if (a.x() == b.x()) {
        return {a.x(), p.y()};
    }
    if (a.y() == b.y()) {
        return {p.x(), a.y()};
    }
    const double m = double(a.y() - b.y()) / double(a.x() - b.x());
    const double x = (m * a.x() + (p.y() - a.y()) + p.x() / m) / (m + 1 / m);
    return {halfEven(x), halfEven(m * (x - a.x()) + a.y())};
}

double troom_Wall::distance(QPoint a, QPoint b) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    return std::sqrt(dx * dx + dy * dy);
}

double troom_Wall::wallLengthMm(QPoint a, QPoint b) {
    return 10 * distance(a, b);
}

double troom_Wall::directionAngle(QPoint from, QPoint to) {
    if (to.x() == from.x()) {
        return to.y() > from.y() ? 270 : 90;
    }
    double a = std::atan(-double(to.y() - from.y()) / double(to.x() - from.x())) * degreesPerRadian;
    if (from.x() > to.x()) {
        a += to.y() < from.y() ? 180 : -180;
    }
    return halfEven(a * 10) / 10.0;
}

int troom_Wall::cornerAngle(QPoint a, QPoint vertex, QPoint b) {
    const QPoint u = a - vertex;
    const QPoint v = b - vertex;
    const double lengths = distance({0, 0}, u) * distance({0, 0}, v);
    if (lengths == 0) {
        return 0;
    }
    const double dot = double(u.x()) * v.x() + double(u.y()) * v.y();
    return halfEven(std::acos(std::clamp(dot / lengths, -1.0, 1.0)) * degreesPerRadian);
}

QPoint troom_Wall::pointAlongFromCanvas(QPoint a, QPoint b, int length) const {
    const double theta = directionAngle(a, b) / degreesPerRadian;
    const QPoint start = canvasToPlan(a);
    return planToCanvas({halfEven(std::cos(theta) * length) + start.x(),
                         start.y() - halfEven(length * std::sin(theta))});
}

QPoint troom_Wall::pointAlongFromLast(QPoint a, QPoint b, int length) const {
    if (corners_.isEmpty()) {
        return {0, 0};
    }
    const double theta = directionAngle(a, b) / degreesPerRadian;
    const QPoint last = corners_.last();
    return {halfEven(std::cos(theta) * length) + last.x(),
            last.y() - halfEven(length * std::sin(theta))};
}
