#include "core/troom_obj.h"

#include <algorithm>

#include <cmath>
#include <cstdlib>

// Tool 1: drawing the outline corner by corner, or as a rectangle dragged on an empty room.

namespace {

// The pointer snapped against the last corner to a horizontal, vertical or 45° wall.
QPoint angleSnapped(QPoint last, QPoint p) {
    const int dx = p.x() - last.x();
    const int dy = p.y() - last.y();
    const double angle = dx == 0 ? 90 : std::atan(std::abs(double(dy) / dx)) * 180 / 3.1415926;
    if (std::abs(angle - 45) > 22.5) {
        return angle > 67.5 ? QPoint(last.x(), p.y()) : QPoint(p.x(), last.y());
    }
    const int d = std::min(std::abs(dx), std::abs(dy));
    return {dx > 0 ? last.x() + d : last.x() - d, dy >= 1 ? last.y() + d : last.y() - d};
}

} // namespace

void TRoom_OBJ::drawingMove(Qt::KeyboardModifiers modifiers) {
    if (rectangleStart.x() != NoRectangleStart) {
        const QPoint c = pointerPoint;
        const QPoint s = rectangleStart;
        wall.clearOutline();
        for (const QPoint corner : {c, QPoint(s.x(), c.y()), s, QPoint(c.x(), s.y()), c}) {
            wall.addPoint(corner, false);
        }
        roomModified = true;
    } else if (wall.pointCount() > 0) {
        const QPoint last = wall.canvasPoint(wall.pointCount() - 1);
        if ((modifiers & Qt::ControlModifier) || angleSnap) {
            pointerPoint = angleSnapped(last, pointerPoint);
        }
        if (fixedLength) {
            pointerPoint = wall.pointAlongFromCanvas(last, pointerPoint, fixedLengthCm);
        }
    }
    hintText = wall.pointCount() == 0 ? QStringLiteral("拖动鼠标作矩形房间")
                                      : QStringLiteral("配合Ctrl键能更方便作图");
}

void TRoom_OBJ::drawingRelease(QPoint p, Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        wall.deletePoint(wall.pointCount() - 1);
        pointerPoint = p;
        paint();
        roomModified = true;
        notifyHost();
        paint();
        return;
    }
    if (button != Qt::LeftButton) {
        return;
    }
    if (rectangleStart.x() != NoRectangleStart) {
        // A press that hardly moved starts a polygon instead.
        if (troom_Wall::distance(p, rectangleStart) < 3) {
            wall.clearOutline();
            rectangleStart.setX(NoRectangleStart);
        } else {
            wall.deletePoint(4); // the closing duplicate
            rectangleStart.setX(NoRectangleStart);
            setTool(ToolEditWalls);
            recentrePlan();
            recordStep();
            return;
        }
    }
    const int n = wall.pointCount();
    if (fixedLength && n > 0) {
        wall.addPoint(wall.pointAlongFromLast(wall.canvasPoint(n - 1), pointerPoint, fixedLengthCm),
                      true);
    } else {
        wall.addPoint(pointerPoint, false);
    }
    roomModified = true;
    notifyHost();
    // A click near the first corner closes the outline, which keeps the corners before
    // the click: with fewer than three there is no room yet, and the click's corner stays
    // as any other.
    if (wall.pointCount() > 3 && troom_Wall::distance(wall.canvasPoint(0), pointerPoint) < 15) {
        wall.deletePoint(wall.pointCount() - 1);
        setTool(ToolEditWalls);
        recentrePlan();
        paint();
        recordStep();
    }
}
