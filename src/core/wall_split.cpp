#include "core/wall_split.h"

#include "core/rounding.h"
#include "core/troom_wall.h"

namespace {

bool horizontal(QPoint from, QPoint to) {
    return from.y() == to.y() && from.x() != to.x();
}

bool vertical(QPoint from, QPoint to) {
    return from.x() == to.x() && from.y() != to.y();
}

// The point `along` cm from `corner` toward `target` on an axis-parallel wall: a along
// x on a horizontal wall, b along y on a vertical one.
QPoint stepToward(QPoint corner, QPoint target, int a, int b) {
    if (horizontal(corner, target)) {
        return {corner.x() + (target.x() > corner.x() ? a : -a), corner.y()};
    }
    return {corner.x(), corner.y() + (target.y() > corner.y() ? b : -b)};
}

// round((far * r + near) / (r + 1)) per axis.
QPoint division(QPoint near, QPoint far, double r) {
    return {rounding::halfEven((far.x() * r + near.x()) / (r + 1)),
            rounding::halfEven((far.y() * r + near.y()) / (r + 1))};
}

} // namespace

bool notchableCorner(QPoint previous, QPoint corner, QPoint next) {
    const QPoint in = corner - previous;
    const QPoint out = next - corner;
    if (QPoint::dotProduct(in, out) != 0) {
        return false;
    }
    return (horizontal(previous, corner) && vertical(corner, next)) ||
           (vertical(previous, corner) && horizontal(corner, next));
}

CornerNotch cornerNotch(QPoint previous, QPoint corner, QPoint next, int a, int b) {
    CornerNotch notch;
    notch.towardPrevious = stepToward(corner, previous, a, b);
    notch.towardNext = stepToward(corner, next, a, b);
    notch.inner = {notch.towardPrevious.x(), notch.towardNext.y()};
    if (notch.inner == corner) {
        notch.inner = {notch.towardNext.x(), notch.towardPrevious.y()};
    }
    return notch;
}

Recess wallRecess(const troom_Wall& wall, int s, int e, int lengthMm, int a, int b, int c) {
    const QPoint start = wall.canvasPoint(s);
    const QPoint end = wall.canvasPoint(e);
    const QPoint first = wall.canvasToPlan(division(start, end, double(a) / (lengthMm - a)));
    const QPoint second = wall.canvasToPlan(division(start, end, double(lengthMm - b) / b));

    Recess recess;
    recess.points = {first, first, second, second};
    const QPoint w0 = wall.corner(s);
    const QPoint w1 = wall.corner(e);
    const double l = troom_Wall::distance(w0, w1);
    if (l == 0) {
        recess.zeroLength = true;
        return recess;
    }
    const int depth = rounding::halfEven(c / 10.0);
    const QPoint offset(rounding::halfEven((w1.y() - w0.y()) * depth / l),
                        rounding::halfEven((w0.x() - w1.x()) * depth / l));
    recess.points[1] += offset;
    recess.points[2] += offset;
    return recess;
}
