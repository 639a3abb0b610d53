#include "core/troom_obj.h"

#include "core/room_canvas.h"
#include "design/design_workspace.h"
#include "platform/surface.h"

// The view tool: a press on a wall moves the room over the grid (state 12), any other
// press drags the plan (state 22); a double-click opens the cell dialog (state 23).

namespace {

constexpr int StandardShape = 0;

// The outline follows the pointer only while the cells under both corners of its shifted
// bounding box stay in the active range, so the room never leaves the laid grid.
void moveRoomOverGrid(TRoom_OBJ& room) {
    Bounds box;
    if (room.wall.pointCount() < 2) {
        return;
    }
    room.wall.planBounds(box);
    const QPoint d =
        room.wall.canvasToPlan(room.pointerPoint) - room.wall.canvasToPlan(room.dragAnchor);
    const auto inRange = [&room](const std::optional<GridCell>& c) {
        return c && c->column >= room.firstColumn && c->column <= room.lastColumn &&
               c->row >= room.firstRow && c->row <= room.lastRow;
    };
    if (inRange(room.cellOfPoint(QPoint(box.minX, box.minY) + d)) &&
        inRange(room.cellOfPoint(QPoint(box.maxX, box.maxY) + d))) {
        room.wall.moveAllBy(room.dragAnchor, room.pointerPoint);
    }
}

} // namespace

void TRoom_OBJ::viewToolPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers) {
    if (tool == DesignCellDialog) {
        tool = DesignViewTool;
    }
    if (button == Qt::RightButton) {
        return;
    }
    tool = wall.findWall(p).found() ? DesignRoomOverGrid : DesignPlanDrag;
}

void TRoom_OBJ::viewToolMove() {
    switch (tool) {
    case DesignViewTool:
        if (canvas) {
            const bool onWall = wall.findWall(pointerPoint).found();
            if (const std::optional<int> shape =
                    workspace::toolPointerShape(DesignViewTool, lockCanvas, onWall, false)) {
                canvas->setPointerShape(*shape);
            }
        }
        break;
    case DesignRoomOverGrid:
        if (!lockCanvas) {
            moveRoomOverGrid(*this);
        }
        dragAnchor = pointerPoint;
        roomModified = true;
        break;
    case DesignPlanDrag: {
        QPoint origin = wall.getOrigin() + (pointerPoint - dragAnchor);
        const int leftmost = canvasWidth() - wall.paperWidth() - 40;
        origin.setX(std::max(origin.x(), leftmost));
        wall.setOrigin(origin);
        dragAnchor = pointerPoint;
        roomModified = true;
        break;
    }
    default:
        break;
    }
}

void TRoom_OBJ::viewToolRelease(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {
    switch (tool) {
    case DesignRoomOverGrid:
        if (canvas) {
            canvas->setPointerShape(StandardShape);
        }
        tool = DesignViewTool;
        rebuildMask();
        recount();
        computeActiveRange();
        recount();
        recordStep();
        break;
    case DesignPlanDrag:
    case DesignCellDialog:
        tool = DesignViewTool;
        recordStep();
        break;
    default:
        break;
    }
}

void TRoom_OBJ::designDoubleClick(QPoint p, Qt::MouseButton, Qt::KeyboardModifiers) {
    pointerPoint = p;
    const bool outside =
        canvas && canvas->canDraw() && canvas->surface().pixel(p.x(), p.y()) == colors::White;
    if (outside) {
        centreView();
    } else if (tool == DesignViewTool) {
        tool = DesignCellDialog;
        changeRoomMode(ModeChangeEntry::PointerCell);
    }
    paint();
}
