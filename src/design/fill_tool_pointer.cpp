#include "core/troom_obj.h"

#include "design/fill_steps.h"
#include "library/product_library.h"

#include <algorithm>

// Pointer steps of the fill and delete tools. Press, move and release points are those
// of the ghost's top-left corner while the ghost is shown (ghostCorner).

namespace {

bool isRectangleTool(quint8 tool) {
    return tool == DesignFreeFill || (tool >= DesignRectangleFill && tool <= DesignColumnFill);
}

bool isPanelKind(int kind) {
    return kind == KindSquarePanel || kind == KindStrip;
}

QPoint clampIntoBox(QPoint p, const Bounds& box) {
    return {std::clamp(p.x(), box.minX, box.maxX), std::clamp(p.y(), box.minY, box.maxY)};
}

bool strictlyInside(QPoint p, const Bounds& box) {
    return p.x() > box.minX && p.x() < box.maxX && p.y() > box.minY && p.y() < box.maxY;
}

void rectangleRelease(TRoom_OBJ& room, QPoint p, Qt::KeyboardModifiers modifiers) {
    Bounds box;
    if (!room.wall.canvasBounds(box)) {
        room.tool = room.savedTool;
        return;
    }
    room.dragRectangleEnd = p;
    // The press point as it was, not clamped into the box: a drag wholly beside the room
    // lays nothing.
    const QPoint press = room.ghostCorner(room.pressPoint);
    const int x1 = std::min(press.x(), p.x());
    const int x2 = std::max(press.x(), p.x());
    const int y1 = std::min(press.y(), p.y());
    const int y2 = std::max(press.y(), p.y());
    if (x2 < box.minX || x1 > box.maxX || y2 < box.minY || y1 > box.maxY) {
        room.tool = room.savedTool;
        return;
    }
    if ((modifiers & Qt::ShiftModifier) || room.savedTool == DesignRowFill) {
        room.dragRectangleStart = {box.minX, p.y()};
        room.dragRectangleEnd = {box.maxX, p.y()};
    } else if ((modifiers & Qt::ControlModifier) || room.savedTool == DesignColumnFill) {
        room.dragRectangleStart = {p.x(), box.minY};
        room.dragRectangleEnd = {p.x(), box.maxY};
    }
    if (modifiers & Qt::AltModifier) {
        room.replace(2);
        room.tool = room.savedTool;
        return;
    }
    room.tool = room.savedTool;
    if (room.currentProduct.id != -1) {
        room.laying();
    }
    room.paint();
    if (room.roomChanged) {
        room.recordStep();
    }
    room.recount();
}

void brushPress(TRoom_OBJ& room, QPoint p, Qt::MouseButton button,
                Qt::KeyboardModifiers modifiers) {
    Bounds box;
    if (button != Qt::LeftButton || !room.wall.canvasBounds(box) || !strictlyInside(p, box) ||
        room.currentProduct.id == -1) {
        return;
    }
    if (modifiers & Qt::AltModifier) {
        room.replace(2);
        return;
    }
    room.dragRectangleStart = room.dragRectangleEnd = p;
    const bool panel = isPanelKind(room.currentProduct.kind);
    if (panel) {
        room.tool = DesignBrushHeld;
    }
    room.laying();
    room.reseatAllAppliances();
    if (panel) {
        room.recordStep();
        room.recount();
    }
}

// Whether the place under a canvas point already holds the current product: the panel
// of the cell (its anchor's), or in strip rooms the strip of the column or row.
bool holdsCurrentProduct(TRoom_OBJ& room, QPoint canvasPoint) {
    const QPoint plan = room.wall.canvasToPlan(canvasPoint);
    if (room.roomstyle != SquarePanelRoom) {
        const std::optional<int> index = fill_steps::stripIndexAt(room, plan);
        return index && fill_steps::stripEntry(room, *index) == room.currentProduct.id;
    }
    const std::optional<GridCell> under = room.cellOfPoint(plan);
    if (!under) {
        return false;
    }
    const GridCell anchor = fill_steps::anchorOf(room, *under);
    return room.cell(anchor.column, anchor.row) == room.currentProduct.id;
}

void brushMove(TRoom_OBJ& room) {
    const QPoint at = room.ghostCorner(room.pointerPoint);
    if (!room.cellOfPoint(room.wall.canvasToPlan(at)) || holdsCurrentProduct(room, at)) {
        return;
    }
    room.dragRectangleStart = room.dragRectangleEnd = at;
    room.laying();
    room.recount();
}

} // namespace

void TRoom_OBJ::fillToolPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    p = ghostCorner(p);
    if (isRectangleTool(tool)) {
        Bounds box;
        if (button != Qt::LeftButton || !rubberBand || !wall.canvasBounds(box)) {
            return;
        }
        savedTool = tool;
        tool = DesignRectangleDrag;
        dragRectangleStart = dragRectangleEnd = clampIntoBox(p, box);
        return;
    }
    switch (tool) {
    case DesignBrush:
        brushPress(*this, p, button, modifiers);
        break;
    case DesignReplaceFill:
        if (button == Qt::LeftButton) {
            replace(2);
        }
        break;
    case DesignDelete:
        if (button == Qt::LeftButton) {
            tool = DesignDeleteHeld;
        }
        break;
    default:
        break;
    }
}

void TRoom_OBJ::fillToolMove(Qt::KeyboardModifiers) {
    if (tool == DesignRectangleDrag) {
        // The design pointer-move handler repaints afterwards.
        dragRectangleEnd = ghostCorner(pointerPoint);
    } else if (tool == DesignBrushHeld) {
        brushMove(*this);
    }
}

void TRoom_OBJ::fillToolRelease(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    p = ghostCorner(p);
    switch (tool) {
    case DesignRectangleDrag:
        if (button != Qt::RightButton) {
            rectangleRelease(*this, p, modifiers);
        }
        break;
    case DesignBrushHeld:
        tool = DesignBrush;
        recordStep();
        break;
    case DesignDeleteHeld:
        deleteProduct();
        tool = DesignDelete;
        break;
    default:
        break;
    }
}
