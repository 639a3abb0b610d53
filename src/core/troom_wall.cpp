#include "core/troom_wall.h"

#include "core/rounding.h"

#include <algorithm>

using rounding::add32;
using rounding::halfEven;
using rounding::mul32;

namespace {

constexpr int PlanSize = 2000;

int clampToPlan(int v) {
    if (v <= 0) {
        return 1;
    }
    if (v >= PlanSize) {
        return PlanSize - 1;
    }
    return v;
}

} // namespace

int troom_Wall::prevIndex(int i) const {
    const int n = pointCount();
    return n == 0 ? 0 : (i + n - 1) % n;
}

int troom_Wall::nextIndex(int i) const {
    const int n = pointCount();
    return n == 0 ? 0 : (i + 1) % n;
}

void troom_Wall::clearOutline() {
    canvasPoints_.clear();
    corners_.clear();
    kinds_.clear();
    ++revision_;
}

void troom_Wall::setPaperWidth(int width) {
    PaperWidth_ = width;
    refreshCanvasPoints();
}

void troom_Wall::setOrigin(QPoint origin) {
    origin_ = origin;
    refreshCanvasPoints();
}

void troom_Wall::refreshCanvasPoints() {
    canvasPoints_.resize(corners_.size());
    for (qsizetype i = 0; i < corners_.size(); ++i) {
        canvasPoints_[i] = planToCanvas(corners_[i]);
    }
}

QPoint troom_Wall::planToCanvas(QPoint plan) const {
    // An origin read from a damaged record may be anywhere: the sum wraps, never overflows.
    return {add32(halfEven(mul32(plan.x(), PaperWidth_) / double(PlanSize)), origin_.x()),
            add32(halfEven(mul32(plan.y(), PaperWidth_) / double(PlanSize)), origin_.y())};
}

QPoint troom_Wall::canvasToPlan(QPoint canvas) const {
    const QPoint plan = canvasDeltaToPlan(canvas - origin_);
    return {clampToPlan(plan.x()), clampToPlan(plan.y())};
}

QPoint troom_Wall::canvasDeltaToPlan(QPoint delta) const {
    return {halfEven(mul32(delta.x(), PlanSize) / double(PaperWidth_)),
            halfEven(mul32(delta.y(), PlanSize) / double(PaperWidth_))};
}

int troom_Wall::addPoint(QPoint p, bool isPlan) {
    const QPoint plan = isPlan ? p : canvasToPlan(p);
    corners_.append(plan);
    kinds_.append(PlainCorner);
    ++revision_;
    canvasPoints_.append(isPlan ? planToCanvas(p) : p);
    return pointCount() - 1;
}

int troom_Wall::insertPoint(QPoint p, int k, bool isPlan) {
    if (!validIndex(k)) {
        return -1;
    }
    corners_.insert(k, isPlan ? p : canvasToPlan(p));
    kinds_.insert(k, PlainCorner);
    ++revision_;
    // The canvas array grows too, but its entry at k is whatever moved there: it is
    // refreshed with the others at the next paint.
    canvasPoints_.insert(k, canvasPoints_[k]);
    return k;
}

bool troom_Wall::deletePoint(int k) {
    if (!validIndex(k)) {
        return false;
    }
    corners_.removeAt(k);
    kinds_.removeAt(k);
    ++revision_;
    canvasPoints_.removeAt(k);
    return true;
}

bool troom_Wall::movePointBy(int k, QPoint canvasDelta) {
    if (!validIndex(k)) {
        return false;
    }
    corners_[k] += canvasDeltaToPlan(canvasDelta);
    ++revision_;
    canvasPoints_[k] = planToCanvas(corners_[k]);
    return true;
}

bool troom_Wall::setPointCanvas(int k, QPoint canvasPoint) {
    if (!validIndex(k)) {
        return false;
    }
    canvasPoints_[k] = canvasPoint;
    corners_[k] = canvasToPlan(canvasPoint);
    ++revision_;
    return true;
}

void troom_Wall::moveAllBy(QPoint canvasFrom, QPoint canvasTo) {
    for (int i = 0; i < pointCount(); ++i) {
        movePointBy(i, canvasTo - canvasFrom);
    }
}

void troom_Wall::shiftPlan(QPoint planDelta) {
    for (QPoint& c : corners_) {
        c += planDelta;
    }
    ++revision_;
}

namespace {

Bounds boundsOf(const QList<QPoint>& points) {
    Bounds b{points[0].x(), points[0].y(), points[0].x(), points[0].y()};
    for (const QPoint& p : points) {
        b.minX = std::min(b.minX, p.x());
        b.minY = std::min(b.minY, p.y());
        b.maxX = std::max(b.maxX, p.x());
        b.maxY = std::max(b.maxY, p.y());
    }
    return b;
}

} // namespace

bool troom_Wall::planBounds(Bounds& out) const {
    if (pointCount() < 2) {
        return false;
    }
    out = boundsOf(corners_);
    return qint64(out.minX) + out.minY + out.maxX + out.maxY > 0;
}

bool troom_Wall::canvasBounds(Bounds& out) const {
    if (canvasPoints_.size() < 2) {
        return false;
    }
    out = boundsOf(canvasPoints_);
    return true;
}

bool troom_Wall::hasArcApex() const {
    return std::any_of(kinds_.begin(), kinds_.end(), isArcApex);
}

void troom_Wall::setOutline(const QList<QPoint>& corners, const QList<quint8>& kinds) {
    corners_ = corners;
    kinds_ = kinds;
    kinds_.resize(corners_.size(), PlainCorner);
    ++revision_;
    refreshCanvasPoints();
}
