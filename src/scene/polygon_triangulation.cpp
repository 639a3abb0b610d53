#include "scene/polygon_triangulation.h"

#include <cmath>

namespace {

constexpr double Epsilon = 1e-9;

double cross(QPointF o, QPointF a, QPointF b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

// Whether p lies inside the triangle a, b, c of orientation `turn`; on its edges too when
// `edges` is set, except at its corners.
bool inside(QPointF p, QPointF a, QPointF b, QPointF c, double turn, bool edges) {
    if (p == a || p == b || p == c) {
        return false;
    }
    const double limit = edges ? -Epsilon : Epsilon;
    return cross(a, b, p) * turn > limit && cross(b, c, p) * turn > limit &&
           cross(c, a, p) * turn > limit;
}

} // namespace

std::vector<std::uint32_t> triangulatePolygon(const std::vector<QPointF>& polygon) {
    std::vector<std::uint32_t> triangles;
    if (polygon.size() < 3) {
        return triangles;
    }
    double area = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        area += cross({0, 0}, polygon[i], polygon[(i + 1) % polygon.size()]);
    }
    const double turn = area >= 0 ? 1 : -1;
    std::vector<std::uint32_t> left(polygon.size());
    for (std::size_t i = 0; i < left.size(); ++i) {
        left[i] = std::uint32_t(i);
    }
    triangles.reserve(3 * (polygon.size() - 2));
    std::size_t failures = 0;
    std::size_t i = 0;
    // A corner on a candidate's edge blocks it; when nothing else is left, as where a
    // clipped piece touches itself, only corners strictly inside do.
    bool edgesBlock = true;
    while (left.size() > 3 && (failures < left.size() || edgesBlock)) {
        if (failures >= left.size()) {
            edgesBlock = false;
            failures = 0;
        }
        const std::size_t n = left.size();
        const std::uint32_t ia = left[(i + n - 1) % n];
        const std::uint32_t ib = left[i % n];
        const std::uint32_t ic = left[(i + 1) % n];
        const QPointF a = polygon[ia], b = polygon[ib], c = polygon[ic];
        const double corner = cross(a, b, c) * turn;
        bool ear = corner > Epsilon;
        for (std::size_t k = 0; ear && k < n; ++k) {
            const std::uint32_t other = left[k];
            ear = other == ia || other == ib || other == ic ||
                  !inside(polygon[other], a, b, c, turn, edgesBlock);
        }
        if (ear || std::abs(corner) <= Epsilon) {
            // An ear becomes a triangle; a corner on a straight line is only dropped.
            if (ear) {
                triangles.insert(triangles.end(), {ia, ib, ic});
            }
            left.erase(left.begin() + std::ptrdiff_t(i % n));
            failures = 0;
            edgesBlock = true;
        } else {
            ++i;
            ++failures;
        }
        i %= left.size();
    }
    if (left.size() == 3 &&
        std::abs(cross(polygon[left[0]], polygon[left[1]], polygon[left[2]])) > Epsilon) {
        triangles.insert(triangles.end(), {left[0], left[1], left[2]});
    }
    return triangles;
}
