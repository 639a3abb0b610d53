#include "core/troom_obj.h"

// Pointer steps of the view tool, the design double-click and the design popup.

void TRoom_OBJ::viewToolPress(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TRoom_OBJ::viewToolMove() {}
void TRoom_OBJ::viewToolRelease(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TRoom_OBJ::designDoubleClick(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TRoom_OBJ::designPopupOpening(QPoint) {}
