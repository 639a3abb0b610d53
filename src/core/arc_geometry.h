#pragma once

#include <QPoint>
#include <QPointF>

#include <optional>

// Circular walls: the circle through an arc apex and its two neighbouring corners.

struct Circle {
    QPointF centre;
    double radius = 0;
};

// An arc in the angle convention of QPainterPath::arcTo: degrees, 0 at three o'clock,
// positive counter-clockwise as seen on the canvas (y grows downward).
struct CircleArc {
    Circle circle;
    double startDegrees = 0;
    double sweepDegrees = 0;
};

// True when the three points lie on one line (integer test, no tolerance).
bool collinear(QPoint a, QPoint b, QPoint c);

// The circle through three points; none when they are collinear.
std::optional<Circle> circleThrough(QPoint a, QPoint b, QPoint c);

// The arc of the circle through `from`, `apex` and `to` that runs from `from` to `to`
// passing through `apex`; none when the points are collinear (a straight wall).
std::optional<CircleArc> arcThrough(QPoint from, QPoint apex, QPoint to);

// Heron's area of the triangle a, b, c.
double triangleArea(QPointF a, QPointF b, QPointF c);

// The area in m² that an arc through apex A adds to the triangle P, A, N of plan
// points in centimetres: the circular segment over the chord P-N less the triangle.
double arcTerm(QPoint previous, QPoint apex, QPoint next);
