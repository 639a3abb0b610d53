#include "core/troom_wall.h"

#include "core/arc_geometry.h"
#include "core/rounding.h"

#include <cmath>

std::optional<double> troom_Wall::outlineArea(int excluded, bool absolute) const {
    const int n = pointCount();
    Bounds b;
    if (n <= 2 || !planBounds(b)) {
        return 0.0;
    }
    if (excluded != -1 && !validIndex(excluded)) {
        return std::nullopt;
    }
    // Relative to the middle of the bounds, which keeps the products small.
    const double cx = (b.minX + b.maxX) / 2;
    const double cy = (b.minY + b.maxY) / 2;
    QList<QPointF> points;
    points.reserve(n);
    for (int i = 0; i < n; ++i) {
        if (i != excluded) {
            points.append(QPointF(corners_[i].x() - cx, corners_[i].y() - cy));
        }
    }
    double sum = 0;
    for (qsizetype j = 0; j < points.size(); ++j) {
        const QPointF& p = points[j];
        const QPointF& q = points[(j + 1) % points.size()];
        sum += p.x() * q.y() - q.x() * p.y();
    }
    const qint64 twice = rounding::halfEven64(absolute ? std::abs(sum) : sum);
    return double(twice) / 10000.0 / 2.0;
}

double troom_Wall::arcAreaTerms() const {
    const int n = pointCount();
    double terms = 0;
    int i = 0;
    while (i < n) {
        const quint8 k = kinds_[i];
        if (k == PlainCorner) {
            ++i;
            continue;
        }
        if (isArcApex(k)) {
            const double term =
                arcTerm(corners_[prevIndex(i)], corners_[i], corners_[nextIndex(i)]);
            terms += k == ArcApexOut ? term : -term;
        }
        i += 2;
    }
    return terms;
}

double troom_Wall::roundAreaUp(double area) {
    if (area == 0) {
        return 0;
    }
    return std::nearbyint(area * 10 + 0.5) / 10;
}

qint64 troom_Wall::perimeter() const {
    const int n = pointCount();
    if (n < 2) {
        return 0;
    }
    double s = 0;
    for (int i = 0; i + 1 < n; ++i) {
        s += wallLengthMm(corners_[i], corners_[i + 1]);
    }
    s += wallLengthMm(corners_[0], corners_[n - 1]);
    return rounding::halfEven64(s + 0.5);
}
