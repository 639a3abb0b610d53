#include "core/troom_obj.h"

#include "core/rounding.h"
#include "core/tpic_rec.h"
#include "design/object_support.h"
#include "library/product_library.h"

#include <array>

// Pointer steps of the move and swap tool and of the selection drag.

namespace {

bool strictlyInside(const Bounds& box, QPoint p) {
    return p.x() > box.minX && p.x() < box.maxX && p.y() > box.minY && p.y() < box.maxY;
}

std::array<QPoint, 4> corners(const ObjectBox& box) {
    return {QPoint(box.left, box.top), QPoint(box.right, box.top), QPoint(box.left, box.bottom),
            QPoint(box.right, box.bottom)};
}

// The object's top-left corner moved onto the grid lines near it; a round trip through
// the canvas only where the snap moved it, so unsnapped positions keep their centimetres.
void snapTopLeft(TRoom_OBJ& room, tdianqi_rec& object, bool useGhost) {
    const QPoint canvasPoint = room.wall.planToCanvas({object.x, object.y});
    const QPoint snapped = room.snapToGridLines(canvasPoint, useGhost);
    if (snapped != canvasPoint) {
        const QPoint plan = room.wall.canvasToPlan(snapped);
        object.x = plan.x();
        object.y = plan.y();
    }
}

// Whether seating the appliance where it lies would be refused, without seating it.
bool seatingRefused(TRoom_OBJ& room, tdianqi_rec trial) {
    if (room.roomstyle != SquarePanelRoom || trial.kind != KindAppliance) {
        return false;
    }
    const std::optional<GridCell> seat = room.snapToSeatCell(trial);
    if (!seat) {
        return true;
    }
    const tpic_rec* product = room.productLookup(trial.id, trial.orientation & 0xFF);
    return product && !room.spanTest(*seat, product->width, product->height).fits;
}

} // namespace

void TRoom_OBJ::moveSwapPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (button != Qt::LeftButton) {
        pointerPoint = p;
        return;
    }
    Bounds box;
    if (!wall.canvasBounds(box) || !strictlyInside(box, p)) {
        clearSelection();
        paint();
        return;
    }
    roomChanged = false;
    const bool carrying = productGhost && currentProduct.id != -1;
    if (carrying || !selectionClick(button, modifiers.testFlag(Qt::ControlModifier), p)) {
        swapAt(p);
    } else {
        tool = DesignSelectionDrag;
        for (tdianqi_rec* object : object_support::selectedObjects(*this)) {
            object->savedX = object->x;
            object->savedY = object->y;
        }
        paint();
    }
    if (roomChanged) {
        recordStep();
    }
}

void TRoom_OBJ::moveSwapDrag() {
    const double scale = wall.paperWidth();
    if (scale <= 0) {
        return;
    }
    // Each object goes where the pointer's whole movement since the press takes it from its
    // saved position. Counting step by step from the previous point instead, with the point
    // shifted by every object's snap, would let one object's snap push the others along
    // while the pointer rests.
    const QPoint total(rounding::halfEven((pointerPoint.x() - pressPoint.x()) * 2000.0 / scale),
                       rounding::halfEven((pointerPoint.y() - pressPoint.y()) * 2000.0 / scale));
    const QPoint pointer = pointerPoint;
    for (tdianqi_rec* object : object_support::selectedObjects(*this)) {
        refreshObjectRectangles(*object);
        const QPoint target = QPoint(object->savedX, object->savedY) + total;
        const QPoint d = target - QPoint(object->x, object->y);
        bool staysInside = true;
        for (const QPoint corner : corners(object->planRect)) {
            const QPoint moved = corner + d;
            staysInside = staysInside && insideMask(moved.x(), moved.y());
        }
        if (!staysInside) {
            continue;
        }
        object->x = target.x();
        object->y = target.y();
        snapTopLeft(*this, *object, false);
        pointerPoint = pointer;
        refreshObjectRectangles(*object);
    }
    dragAnchor = pointerPoint;
    roomModified = true;
}

void TRoom_OBJ::moveSwapDrop() {
    roomChanged = false;
    bool refused = false;
    for (tdianqi_rec* object : object_support::selectedObjects(*this)) {
        snapTopLeft(*this, *object, true);
        // Judged before seating takes out panels under a place the object may not keep.
        if (object_support::overlapsWhereSeated(*this, *object)) {
            refused = refused || seatingRefused(*this, *object);
            object->x = object->savedX;
            object->y = object->savedY;
            if (roomstyle == SquarePanelRoom && object->kind == KindAppliance) {
                snapToSeatCell(*object);
            }
        } else if (!seatAppliance(*object)) {
            refused = true;
        } else {
            roomChanged = true;
        }
        paint();
        refreshObjectRectangles(*object);
    }
    if (!refused) {
        tool = DesignMoveSwap;
    }
    if (roomChanged) {
        recordStep();
    }
    recount();
}
