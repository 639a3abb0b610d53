#include "core/troom_obj.h"

#include "core/rounding.h"

#include <cstdlib>

namespace {

// A plan coordinate moved onto the near edge of its cell: onto the low edge within 4 cm,
// then onto the high edge when closer than 5 cm.
int snapToEdges(int value, int low, int high) {
    if (std::abs(value - low) <= 4) {
        value = low;
    }
    if (std::abs(value - high) < 5) {
        value = high;
    }
    return value;
}

} // namespace

QPoint TRoom_OBJ::snapToGridLines(QPoint p, bool useGhost) {
    if (!snapRulerX && !snapRulerY) {
        return p;
    }
    if (useGhost && productGhost) {
        p = ghostCorner(p);
    }
    const QPoint plan = wall.canvasToPlan(p);
    const std::optional<GridCell> under = cellOfPoint(plan);
    if (!under) {
        return p;
    }
    const ObjectBox mm = cellRectangle(*under);
    const int left = rounding::halfEven(mm.left / 10.0);
    const int right = rounding::halfEven(mm.right / 10.0);
    const int top = rounding::halfEven(mm.top / 10.0);
    const int bottom = rounding::halfEven(mm.bottom / 10.0);
    QPoint snapped = plan;
    const int x = snapToEdges(plan.x(), left, right);
    const int y = snapToEdges(plan.y(), top, bottom);
    if (x != plan.x() && snapRulerX) {
        snapped.setX(x);
    }
    if (y != plan.y() && snapRulerY) {
        snapped.setY(y);
    }
    const QPoint result = wall.planToCanvas(snapped);
    pointerPoint += result - p;
    return result;
}
