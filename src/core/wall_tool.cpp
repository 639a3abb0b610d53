#include "core/troom_obj.h"

#include "core/room_canvas.h"
#include "core/rounding.h"
#include "core/wall_split.h"

// Pointer move, press, release and double-click of the wall tools (edit modes 0 and 1).

namespace {

// Pointer shapes by number, as the cursor table loads them.
enum PointerShape {
    ShapeNormal = 1,
    ShapePen = 2,
    ShapeOnWall = 3,
    ShapeOnPoint = 4,
    ShapeSplit = 5,
    ShapeMoveRoom = 6,
};

bool isOpeningEnd(quint8 kind) {
    return kind == WindowEnd || kind == DoorEnd;
}

// Snaps one plan coordinate onto the ruler lines `step` cm apart when it lies within 5
// pixels of one (`spacing` pixels apart at scale `paper`).
std::optional<int> snapAxis(int value, int step, int spacing, int paper) {
    const int offset = rounding::halfEven(double(value % step) * paper / 2000);
    std::optional<int> snapped;
    if (offset < 5) {
        snapped = value / step * step;
    }
    if (offset > spacing - 5) {
        snapped = snapped.value_or(value) / step * step + step;
    }
    return snapped;
}

} // namespace

QPoint TRoom_OBJ::guideLineSnap(QPoint p) const {
    const int step = rulerStep > 0 ? rulerStep : rulerStepForZoom(zoom);
    const int paper = wall.paperWidth();
    const int spacing = rounding::halfEven(double(paper) * step / 2000);
    QPoint plan = wall.canvasToPlan(p);
    const std::optional<int> x = snapAxis(plan.x(), step, spacing, paper);
    const std::optional<int> y = snapAxis(plan.y(), step, spacing, paper);
    if (!x && !y) {
        return p;
    }
    if (x && snapRulerX) {
        plan.setX(*x);
    }
    if (y && snapRulerY) {
        plan.setY(*y);
    }
    return wall.planToCanvas(plan);
}

bool TRoom_OBJ::wallPopupOpens() const {
    return tool == ToolEditWalls || tool == ToolDragCorner;
}

void TRoom_OBJ::wallPointerMove(QPoint p, Qt::KeyboardModifiers modifiers) {
    const QPoint unsnapped = p;
    if (snapRulerX || snapRulerY) {
        p = guideLineSnap(p);
    }
    pointerPoint = p;
    if (scrollCheck(p)) {
        return;
    }
    if (tool == ToolDrawWalls && canvas) {
        canvas->setPointerShape(ShapePen);
    }
    hintText.clear();
    switch (tool) {
    case ToolEditWalls:
        editHover();
        break;
    case ToolDrawWalls:
        drawingMove(modifiers);
        break;
    case ToolMoveRoomArmed:
        moveRoomHover();
        break;
    case ToolMoveRoom:
        wall.moveAllBy(dragAnchor, pointerPoint);
        dragAnchor = pointerPoint;
        hintText = QStringLiteral("拖动房间到适合的位置");
        break;
    case ToolDragCorner:
        cornerDragMove(modifiers);
        break;
    case ToolDragWall:
        wallDragMove(unsnapped, modifiers);
        break;
    default:
        break;
    }
    paint();
    notifyHost();
}

void TRoom_OBJ::editHover() {
    const bool split = editMode == EditSplitWalls;
    int shape = ShapeNormal;
    hotCorner = wall.findCorner(pointerPoint);
    if (hotCorner >= 0) {
        hotWall = WallHit();
        shape = split ? ShapeSplit : ShapeOnPoint;
        hintText =
            split ? QStringLiteral("拖动点,可拆分墙角") : QStringLiteral("拖动点,可移动墙角");
    } else {
        hotWall = wall.findWall(pointerPoint);
        if (hotWall.found()) {
            shape = split ? ShapeSplit : ShapeOnWall;
            hintText = split ? QStringLiteral("拖动线,可拆分墙面")
                             : QStringLiteral("拖动线,可移动墙面,鼠标右击可添加门窗");
        } else {
            hintText = split ? QStringLiteral("移动到点、线上，可拆分墙角或墙")
                             : QStringLiteral("移动到点、线上可调整墙角、墙面位置");
        }
    }
    if (canvas) {
        canvas->setPointerShape(shape);
    }
}

void TRoom_OBJ::cornerDragMove(Qt::KeyboardModifiers modifiers) {
    const int c = hotCorner;
    if (c < 0 || c >= wall.pointCount()) {
        return;
    }
    const QPoint p = pointerPoint;
    if (editMode == EditSplitWalls) {
        hintText = QStringLiteral("拖动鼠标到适当位置");
        wall.setPointCanvas(c, p);
        // The two inserted points slide along the walls as they were before the drag.
        const int before = wall.prevIndex(c);
        const int after = wall.nextIndex(c);
        wall.setCorner(before,
                       troom_Wall::footOnLine(savedCorner, wall.corner(wall.prevIndex(before)),
                                              wall.corner(c)));
        wall.setCorner(after, troom_Wall::footOnLine(
                                  savedCorner, wall.corner(wall.nextIndex(after)), wall.corner(c)));
        return;
    }
    hintText = QStringLiteral("配合Shift、Ctrl、ALT能更方便移动墙角");
    const QPoint current = wall.canvasPoint(c);
    if (modifiers & Qt::ControlModifier) {
        wall.setPointCanvas(c, {current.x(), p.y()});
    } else if (modifiers & Qt::ShiftModifier) {
        wall.setPointCanvas(c, {p.x(), current.y()});
    } else if (modifiers & Qt::AltModifier) {
        wall.setPointCanvas(c, troom_Wall::footOnLine(wall.canvasPoint(wall.prevIndex(c)),
                                                      wall.canvasPoint(wall.nextIndex(c)), p));
    } else {
        wall.setPointCanvas(c, p);
    }
}

void TRoom_OBJ::wallDragMove(QPoint unsnapped, Qt::KeyboardModifiers modifiers) {
    hintText = QStringLiteral("配合Shift、Ctrl、ALT能更方便移动墙");
    const int s = hotWall.start;
    const int e = hotWall.end;
    if (s < 0 || s >= wall.pointCount() || e < 0 || e >= wall.pointCount()) {
        return;
    }
    const int p = wall.prevIndex(s);
    const int q = wall.nextIndex(e);
    const bool slideOpening =
        (modifiers & Qt::AltModifier) && isOpeningEnd(wall.kind(s)) && isOpeningEnd(wall.kind(e));
    if (slideOpening) {
        pointerPoint = troom_Wall::footOnLine(wall.canvasPoint(p), wall.canvasPoint(q), unsnapped);
    }
    const int dx = (modifiers & Qt::ControlModifier) ? 0 : pointerPoint.x() - dragAnchor.x();
    const int dy = (modifiers & Qt::ShiftModifier) ? 0 : pointerPoint.y() - dragAnchor.y();
    if (canvas) {
        canvas->setPointerShape(ShapeOnWall);
    }
    wall.movePointBy(s, {dx, dy});
    wall.movePointBy(e, {dx, dy});
    if (slideOpening) {
        wall.setCorner(s, troom_Wall::footOnLine(wall.corner(p), wall.corner(q), wall.corner(s)));
        wall.setCorner(e, troom_Wall::footOnLine(wall.corner(p), wall.corner(q), wall.corner(e)));
    }
    dragAnchor = pointerPoint;
}

void TRoom_OBJ::moveRoomHover() {
    hotWall = wall.findWall(pointerPoint);
    if (hotWall.found()) {
        if (canvas) {
            canvas->setPointerShape(ShapeMoveRoom);
        }
        dragAnchor = pointerPoint;
        hintText = QStringLiteral("您可以开始拖动房间了");
    } else {
        if (canvas) {
            canvas->setPointerShape(ShapeNormal);
        }
        hintText = QStringLiteral("移动鼠标到线上，可以拖动房间");
    }
}

void TRoom_OBJ::wallPointerPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers) {
    switch (tool) {
    case ToolDrawWalls:
        rectangleStart = (button == Qt::LeftButton && wall.pointCount() == 0)
                             ? p
                             : QPoint(NoRectangleStart, rectangleStart.y());
        dragAnchor = p;
        break;
    case ToolEditWalls:
        if (button == Qt::LeftButton) {
            editPress(p);
        }
        break;
    case ToolMoveRoomArmed:
        if (wall.findWall(p).found()) {
            dragAnchor = p;
            setTool(ToolMoveRoom);
        }
        break;
    default:
        break;
    }
}

void TRoom_OBJ::editPress(QPoint p) {
    const int c = wall.findCorner(p);
    if (c >= 0) {
        hotCorner = c;
        if (editMode != EditSplitWalls) {
            recordStep();
            setTool(ToolDragCorner);
            return;
        }
        savedCorner = wall.corner(c);
        const int before = wall.prevIndex(c);
        if (notchableCorner(wall.corner(before), wall.corner(c), wall.corner(wall.nextIndex(c)))) {
            splitCorner(c);
            return;
        }
        // A free split: two points a sixth of the way along each wall, then the corner is
        // dragged; inserting and dragging are one undo step.
        historySuppressed = true;
        const QPoint previous = wall.canvasPoint(before);
        const QPoint corner = wall.canvasPoint(c);
        const QPoint next = wall.canvasPoint(wall.nextIndex(c));
        const QPoint towardPrevious(rounding::halfEven((5.0 * corner.x() + previous.x()) / 6),
                                    rounding::halfEven((5.0 * corner.y() + previous.y()) / 6));
        const QPoint towardNext(rounding::halfEven((0.2 * next.x() + corner.x()) / 1.2),
                                rounding::halfEven((0.2 * next.y() + corner.y()) / 1.2));
        if (c == 0) {
            wall.addPoint(towardPrevious, false);
        } else {
            wall.insertPoint(towardPrevious, c, false);
            hotCorner = c + 1;
        }
        if (hotCorner + 1 >= wall.pointCount()) {
            wall.addPoint(towardNext, false);
        } else {
            wall.insertPoint(towardNext, hotCorner + 1, false);
        }
        wall.refreshCanvasPoints();
        recordStep();
        setTool(ToolDragCorner);
        return;
    }
    const WallHit hit = wall.findWall(p);
    if (!hit.found()) {
        return;
    }
    hotWall = hit;
    if (editMode == EditSplitWalls) {
        splitWall(hit);
        hotWall = wall.findWall(p);
        return;
    }
    dragAnchor = troom_Wall::footOnLine(wall.canvasPoint(hit.start), wall.canvasPoint(hit.end), p);
    setTool(ToolDragWall);
}

void TRoom_OBJ::wallPointerRelease(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers) {
    switch (tool) {
    case ToolDrawWalls:
        drawingRelease(p, button);
        break;
    case ToolMoveRoomArmed:
    case ToolDragCorner:
    case ToolDragWall:
        if (button != Qt::LeftButton) {
            break;
        }
        setTool(ToolEditWalls);
        editMode = EditAdjustWalls;
        historySuppressed = false;
        recordStep();
        roomModified = true;
        notifyHost();
        break;
    case ToolMoveRoom:
        setTool(ToolMoveRoomArmed);
        recordStep();
        roomModified = true;
        notifyHost();
        break;
    default:
        break;
    }
}

void TRoom_OBJ::wallDoubleClick(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {
    centreView();
}
