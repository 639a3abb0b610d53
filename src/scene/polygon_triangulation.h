#pragma once

#include <QPointF>

#include <cstdint>
#include <vector>

// Triangles covering a simple polygon (convex or not) by ear clipping: three indices into
// `polygon` per triangle, each running the same way round as the polygon.
std::vector<std::uint32_t> triangulatePolygon(const std::vector<QPointF>& polygon);
