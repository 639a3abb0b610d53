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
    } else {
        wallPopupOpening(at);
    }
    if (canvas) {
        canvas->showPopup(boundPopup(), at);
    }
}

// Wall modes. The drawing, editing and moving tools arrive with the wall tools; a
// double-click centres the view on the room.
void TRoom_OBJ::wallPointerMove(QPoint, Qt::KeyboardModifiers) {}
void TRoom_OBJ::wallPointerPress(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TRoom_OBJ::wallPointerRelease(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TRoom_OBJ::wallDoubleClick(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {
    centreView();
}
void TRoom_OBJ::wallPopupOpening(QPoint) {}

// Design mode. The fill, arrange and view tools arrive with the design workspace.
void TRoom_OBJ::designPointerMove(QPoint, Qt::KeyboardModifiers) {}
void TRoom_OBJ::designPointerPress(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TRoom_OBJ::designPointerRelease(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TRoom_OBJ::designDoubleClick(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TRoom_OBJ::designPopupOpening(QPoint) {}
