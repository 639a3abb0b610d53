#include "core/troom_obj.h"

#include "core/room_canvas.h"

// The canvas's events go to the handler set that setTool or setCanvas bound last.

void TRoom_OBJ::pointerMove(QPoint p, Qt::KeyboardModifiers modifiers) {
    if (route_ == CanvasRoute::Design) {
        designPointerMove(p, modifiers);
    } else {
        wallPointerMove(p, modifiers);
    }
}

void TRoom_OBJ::pointerPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (route_ == CanvasRoute::Design) {
        designPointerPress(p, button, modifiers);
    } else {
        wallPointerPress(p, button, modifiers);
    }
}

void TRoom_OBJ::pointerRelease(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (route_ == CanvasRoute::Design) {
        designPointerRelease(p, button, modifiers);
    } else {
        wallPointerRelease(p, button, modifiers);
    }
}

void TRoom_OBJ::pointerDoubleClick(QPoint p, Qt::MouseButton button,
                                   Qt::KeyboardModifiers modifiers) {
    if (route_ == CanvasRoute::Design) {
        designDoubleClick(p, button, modifiers);
    } else {
        wallDoubleClick(p, button, modifiers);
    }
}

MenuModel& TRoom_OBJ::boundPopup() {
    return route_ == CanvasRoute::Design ? designPopup : wallPopup;
}

void TRoom_OBJ::popupRequested(QPoint at) {
    if (route_ == CanvasRoute::Design) {
        designPopupOpening(at);
    } else if (wallPopupOpens()) {
        wallPopupOpening(at);
    } else {
        return;
    }
    if (canvas) {
        canvas->showPopup(boundPopup(), at);
    }
}
