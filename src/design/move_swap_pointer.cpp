#include "core/troom_obj.h"

// Pointer steps of the move and swap tool and of the selection drag.

void TRoom_OBJ::moveSwapPress(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TRoom_OBJ::moveSwapDrag() {}
void TRoom_OBJ::moveSwapDrop() {}
