#include "core/troom_obj.h"

// Pointer steps of the fill and delete tools.

void TRoom_OBJ::fillToolPress(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TRoom_OBJ::fillToolMove(Qt::KeyboardModifiers) {}
void TRoom_OBJ::fillToolRelease(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
