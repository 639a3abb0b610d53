#include "core/troom_obj.h"

// Design mode: every pointer event first updates the pointer state, then goes to the
// handlers of the tool or gesture in the tool byte. A pointer move ends with a paint.

void TRoom_OBJ::designPointerMove(QPoint p, Qt::KeyboardModifiers modifiers) {
    pointerPoint = p;
    const std::optional<GridCell> under = cellOfPoint(wall.canvasToPlan(p));
    pointerCell = under.value_or(GridCell{});
    productGhost = showSelectedProduct && currentProduct.id != -1;
    if (scrollCheck(p)) {
        return;
    }
    switch (tool) {
    case DesignRectangleDrag:
    case DesignBrushHeld:
        fillToolMove(modifiers);
        break;
    case DesignSelectionDrag:
        moveSwapDrag();
        break;
    case DesignViewTool:
    case DesignRoomOverGrid:
    case DesignPlanDrag:
        viewToolMove();
        break;
    default:
        break;
    }
    paint();
}

void TRoom_OBJ::designPointerPress(QPoint p, Qt::MouseButton button,
                                   Qt::KeyboardModifiers modifiers) {
    pressPoint = p;
    dragAnchor = p;
    switch (tool) {
    case DesignMoveSwap:
    case DesignSelectionDrag:
        moveSwapPress(p, button, modifiers);
        break;
    case DesignViewTool:
    case DesignRoomOverGrid:
    case DesignPlanDrag:
    case DesignCellDialog:
        viewToolPress(p, button, modifiers);
        break;
    default:
        fillToolPress(p, button, modifiers);
        break;
    }
    notifyHost();
}

void TRoom_OBJ::designPointerRelease(QPoint p, Qt::MouseButton button,
                                     Qt::KeyboardModifiers modifiers) {
    switch (tool) {
    case DesignSelectionDrag:
        moveSwapDrop();
        break;
    case DesignMoveSwap:
        break;
    case DesignViewTool:
    case DesignRoomOverGrid:
    case DesignPlanDrag:
    case DesignCellDialog:
        viewToolRelease(p, button, modifiers);
        break;
    default:
        fillToolRelease(p, button, modifiers);
        break;
    }
    notifyHost();
}
